// A connection to the display that breaks, while it opens or later in the
// run (the server ends, or resets when its last other client leaves), does
// not end the packager: Xlib's own handling prints a line and ends the
// process, before a file is written. Here the break is only noted, the
// window calls stand aside, and the run goes on to its files.
#pragma once

#include <X11/Xlib.h>

namespace scenario {

// Opens the display as XOpenDisplay does; null when it cannot be opened or
// breaks while it opens. From here on a break of any connection is noted,
// said once on standard error, and survived.
Display* OpenDisplayKeepingTheRun(const char* name);

// Whether the connection broke: nothing is asked of it any more.
bool DisplayLost();

}  // namespace scenario
