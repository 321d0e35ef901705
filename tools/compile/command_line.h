// scenario-compile's command line: the warning switches, the options and the
// three paths, parsed into CompileOptions.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/diagnostics/command.h"

namespace scenario {

// The options of a command line: the program's name, as the usage line
// shows it, and the arguments after it. When the run ends with the parse
// (help asked for, a bad option), nullopt, with what to say written to out
// or err and the exit status in *exit_status.
std::optional<CompileOptions> ParseCompileCommandLine(const std::string& program,
                                                      const std::vector<std::string>& arguments,
                                                      std::ostream& out, std::ostream& err,
                                                      int* exit_status);

}  // namespace scenario
