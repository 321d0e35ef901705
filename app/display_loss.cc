#include "app/display_loss.h"

#include <csetjmp>
#include <csignal>
#include <iostream>

namespace scenario {

namespace {

bool lost = false;
// While the display opens, a break cannot be gone on from: the opening is
// left from the handler, and the display given up.
bool opening = false;
sigjmp_buf opening_broke;

int OnConnectionBroken(Display* /*display*/) {
  if (opening) siglongjmp(opening_broke, 1);
  if (!lost) std::cerr << "scenario-packager: the connection to the display was lost; going on without it\n";
  lost = true;
  return 0;
}

// Called once the handler above returns; Xlib's own ends the process.
void KeepRunning(Display* /*display*/, void* /*data*/) {}

}  // namespace

Display* OpenDisplayKeepingTheRun(const char* name) {
  // Set before the opening, which would otherwise set Xlib's own.
  XSetIOErrorHandler(OnConnectionBroken);
  Display* volatile display = nullptr;
  opening = true;
  if (sigsetjmp(opening_broke, 0) == 0) display = XOpenDisplay(name);
  opening = false;
  if (display == nullptr) return nullptr;
  XSetIOErrorExitHandler(display, KeepRunning, nullptr);
  // A write to a connection the server has closed raises SIGPIPE, which
  // would end the process as surely.
  std::signal(SIGPIPE, SIG_IGN);
  return display;
}

bool DisplayLost() { return lost; }

}  // namespace scenario
