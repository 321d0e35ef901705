// The one way a signal ends a loop of the tools (--watch, and --serve of
// both commands): the signal sets a flag and the loop looks at it between
// its waits, so a run always ends the same way, through its own return: the
// live viewer's server stopped and its threads joined, the exit status the
// one of the last compile.
//
// A wait that the loop cannot look through, for another run's lock on
// OUTDIR, asks StopRequested() itself (CompileOptions::stop_requested) and
// gives up. A compile under way is finished first; should it not end, the
// same signal a second time ends the process at once, by the system's
// default action.
#pragma once

#include <initializer_list>

namespace scenario {

// From now on each of `signals` (SIGINT; --serve adds SIGTERM) sets the
// flag, once; the flag starts unset.
void CatchStopSignals(std::initializer_list<int> signals);

bool StopRequested();

}  // namespace scenario
