// What the made documents say, taken from a compile: the records as the
// readers read them and the chainage the line description gives.
#pragma once

#include "content/made_documents.h"
#include "tools/diagnostics/command.h"

namespace scenario {

DocumentFacts FactsOfCompile(const CompiledRun& run);

}  // namespace scenario
