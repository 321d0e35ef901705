// --watch: compile, then compile again whenever the content of either
// description changes, until Ctrl-C. The descriptions' folders are watched
// with inotify (tools/diagnostics/description_watcher.h), with a look every
// 200 ms where it cannot see; what decides a compile is the content read,
// compared with the content last compiled: a change that keeps the size
// and the times is seen, and a save that changes nothing compiles nothing.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "tools/diagnostics/command.h"
#include "tools/diagnostics/inputs.h"

namespace scenario {

// The descriptions as read at one look: their texts, or why they could not
// be read (a description that is missing, a directory, a FIFO, too large).
// Two looks read the same when both read the same texts or both failed
// with the same message.
using DescriptionsRead = StatusOr<DescriptionTexts>;

// What the loop needs from the world, so that tests can drive it.
struct WatchHooks {
  std::function<DescriptionsRead()> read;
  // Compiles what was read, or reports why it could not be.
  std::function<void(const DescriptionsRead&)> compile;
  // Waits for a while; true when the descriptions may have changed.
  std::function<bool()> wait;
  std::function<bool()> stop_requested;
};

// Reads both descriptions as they are now.
DescriptionsRead ReadDescriptionsNow(const CompileOptions& options);

// Reads and compiles once, then waits, and reads and compiles again when
// what it reads differs from what it compiled last. Ends when stop_requested
// says so (it is asked before every wait), or after `max_waits` waits when
// that is above 0. Returns the number of compiles.
int RunWatchLoop(const WatchHooks& hooks, int max_waits = 0);

// The whole --watch run of scenario-compile. Ctrl-C ends it
// (tools/diagnostics/stop_signal.h) with the exit status of the last
// compile: at once while it waits, after the compile under way, and without
// a compile when it waits for another run's lock on OUTDIR.
ExitStatus WatchAndCompile(const CompileOptions& options, std::ostream& err);

}  // namespace scenario
