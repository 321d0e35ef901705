// The JSON report of one compile (--report): the error code and position,
// the fatal report, the files written and those held back, the records read
// and where a reader stopped, and every diagnostic with its notes.
#pragma once

#include <string>

#include "tools/diagnostics/command.h"

namespace scenario {

// The report as JSON text.
std::string CompileReportJson(const CompileSummary& summary);

}  // namespace scenario
