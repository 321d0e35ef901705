// The JSON report of one compile (--report): the error code and position,
// the fatal report, the files written and every diagnostic.
#pragma once

#include <string>

#include "tools/compile/command.h"

namespace scenario {

// The report as JSON text.
std::string CompileReportJson(const CompileSummary& summary);

}  // namespace scenario
