// The platform layer: the wait window and the fatal message box, or their
// console stand-ins when there is no display.
#pragma once

#include <string>

namespace scenario {

inline constexpr const char* kApplicationTitle = "Scenario packager";

class Platform {
 public:
  virtual ~Platform() = default;
  // Shows the wait window and paints it once.
  virtual void ShowWaitWindow() = 0;
  // Shows the fatal message and waits until the user closes it.
  virtual void ShowFatal(const std::string& message) = 0;
  // Closes every window.
  virtual void Close() = 0;
};

// The desktop platform when a display can be reached, else the console one.
Platform& DefaultPlatform();

}  // namespace scenario
