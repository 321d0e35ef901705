// How every authoring command's main() runs its work: the signals that must
// not end a run without a word are set aside, and whatever escapes the work
// is said in one line and ends the run with kExitFailure.
#pragma once

#include <string_view>

#include "app/exit_status.h"

namespace scenario {

// Runs work(argc, argv). prefix starts every line said here, as the
// command's own messages start ("scenario-compile: ").
int RunCommandMain(std::string_view prefix, ExitStatus (*work)(int, char**), int argc, char** argv);

}  // namespace scenario
