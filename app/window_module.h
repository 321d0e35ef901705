// The window module: the wait window and the fatal message box, built as a
// shared object of their own so that only a run with a display loads Xlib.
// The packager carries the module inside its executable
// (app/window_module_image.cc) and loads it when a display answers.
//
// The interface is plain C: the executable links its C++ runtime statically
// and the module uses the shared one, so no C++ object, allocation or
// exception may cross between them. Texts are only read during the call.
#pragma once

extern "C" {

// Bumped whenever the table below changes.
inline constexpr int kWindowModuleVersion = 2;

struct WindowModule {
  int version;
  // Opens the display; 0 when it cannot be opened (nothing is shown then).
  int (*open_display)(void);
  // Shows the wait window with its label, "Attendere", and paints it once.
  void (*show_wait_window)(const char* title);
  // Shows the message box and returns when the user has closed it.
  void (*show_fatal)(const char* title, const char* message);
  // Closes every window.
  void (*close)(void);
};

// The module's one exported symbol.
const WindowModule* scenario_window_module(void);
}
