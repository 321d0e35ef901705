// --watch: compile, then compile again whenever either description changes,
// until Ctrl-C. The files are polled (modification time and size) every
// 200 ms, so an edit shows within a second.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/compile/command.h"

namespace scenario {

// What the loop needs from the world, so that tests can drive it.
struct WatchHooks {
  std::function<void()> compile;
  std::function<std::string()> stamp;  // changes whenever a watched file does
  std::function<void()> pause;         // one polling interval
  std::function<bool()> stop_requested;
};

// Compiles once, then polls: pause, and compile again when the stamp differs
// from the one of the last compile. Ends when stop_requested says so (it is
// asked before every poll), or after `max_polls` polls when that is above 0.
// Returns the number of compiles.
int RunWatchLoop(const WatchHooks& hooks, int max_polls = 0);

// The modification times and sizes of the files, in one comparable text; a
// missing file has its own mark.
std::string FilesStamp(const std::vector<std::filesystem::path>& files);

// Ctrl-C (SIGINT) sets a flag instead of ending the process.
void CatchInterrupt();
bool Interrupted();

// The whole --watch run of scenario-compile; returns the exit status of the
// last compile.
int WatchAndCompile(const CompileOptions& options, std::ostream& err);

}  // namespace scenario
