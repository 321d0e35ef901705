// The desktop platform: the wait window Form1 and the fatal message box, with
// plain Xlib, linked statically into the packager so that a headless run
// loads no window library and a run with a display loads none either.
#pragma once

#include "app/platform.h"

namespace scenario {

// The desktop platform on the display DISPLAY names, or null when there is
// none or it cannot be opened. Its one connection serves the whole run: a
// display server that resets when its last client leaves (a bare Xvfb) then
// resets once, after the run, never between a probe and the window.
Platform* OpenDesktopPlatform();

}  // namespace scenario
