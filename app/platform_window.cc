// The platform layer: the desktop window when a display opens, else the
// console stand-ins on standard error.
#include <iostream>

#include "app/platform.h"

#ifdef SCENARIO_HAVE_XLIB
#include "app/desktop_window.h"
#endif

namespace scenario {

namespace {

class ConsolePlatform : public Platform {
 public:
  void ShowWaitWindow() override { std::cerr << "Attendere\n"; }
  void ShowFatal(const std::string& message) override { std::cerr << message << "\n"; }
  void Close() override {}
};

}  // namespace

Platform& DefaultPlatform() {
#ifdef SCENARIO_HAVE_XLIB
  if (Platform* desktop = OpenDesktopPlatform()) return *desktop;
#endif
  static ConsolePlatform console;
  return console;
}

}  // namespace scenario
