// scenario-compile's command line: the warning switches, the options and the
// three paths, parsed into CompileOptions.
#pragma once

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "app/exit_status.h"
#include "tools/diagnostics/command.h"

namespace scenario {

// What a command line asks for: the options to run with, or, when the run
// ends with the parse, its exit status (kExitSuccess after the help,
// kExitFailure after a bad option), what to say written to out or err.
using CompileCommandLine = std::variant<CompileOptions, ExitStatus>;

// Parses the arguments after the program's name, which the usage line
// shows.
CompileCommandLine ParseCompileCommandLine(const std::string& program,
                                           const std::vector<std::string>& arguments,
                                           std::ostream& out, std::ostream& err);

}  // namespace scenario
