// The platform layer: the wait window Form1 and the fatal message box from the
// window module when a display answers, else their console stand-ins on
// standard error.
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "app/display_probe.h"
#include "app/platform.h"

#ifdef SCENARIO_HAVE_WINDOW_MODULE
#include "app/window_module_image.h"
#endif

namespace scenario {

namespace {

class ConsolePlatform : public Platform {
 public:
  void ShowWaitWindow() override { std::cerr << "Attendere\n"; }
  void ShowFatal(const std::string& message) override { std::cerr << message << "\n"; }
  void Close() override {}
};

#ifdef SCENARIO_HAVE_WINDOW_MODULE
class DesktopPlatform : public Platform {
 public:
  explicit DesktopPlatform(const WindowModule& module) : module_(module) {}
  void ShowWaitWindow() override { module_.show_wait_window(kApplicationTitle); }
  void ShowFatal(const std::string& message) override {
    module_.show_fatal(kApplicationTitle, message.c_str());
  }
  void Close() override { module_.close(); }

 private:
  const WindowModule& module_;
};

// The module when a display answers and opens, else null. A module that
// cannot be loaded is said once; the run goes on without its window.
const WindowModule* OpenWindowModule() {
  const int probe = ConnectToDisplay(std::getenv("DISPLAY"));
  if (probe < 0) return nullptr;
  std::string failure;
  const WindowModule* module = LoadWindowModule(&failure);
  if (module == nullptr) std::cerr << "scenario-packager: no wait window: " << failure << "\n";
  const bool opened = module != nullptr && module->open_display() != 0;
  close(probe);
  return opened ? module : nullptr;
}
#endif

}  // namespace

Platform& DefaultPlatform() {
#ifdef SCENARIO_HAVE_WINDOW_MODULE
  if (const WindowModule* module = OpenWindowModule()) {
    static DesktopPlatform desktop(*module);
    return desktop;
  }
#endif
  static ConsolePlatform console;
  return console;
}

}  // namespace scenario
