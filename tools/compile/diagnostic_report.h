// The JSON report of one compile (--report): the error code and position,
// the fatal report, the files written and those held back, the records read
// and where a reader stopped, and every diagnostic with its notes.
#pragma once

#include <ostream>
#include <string>

#include "tools/compile/command.h"

namespace scenario {

// The report as JSON text.
std::string CompileReportJson(const CompileSummary& summary);

// Writes it to a file; says so on err when it cannot.
void WriteCompileReport(const std::string& path, const CompileSummary& summary, std::ostream& err);

}  // namespace scenario
