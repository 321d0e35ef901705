// Whether an X display answers, found without Xlib: a headless run must not
// load the window libraries only to learn that there is no display.
#pragma once

#include <string>

namespace scenario {

// The socket DISPLAY names: "/tmp/.X11-unix/X0" for ":0", ":0.1" or
// "unix:0", "host:6000" (host and port) for "host:0"; empty when DISPLAY is
// empty or malformed.
struct DisplayAddress {
  std::string local_path;  // a local display's socket
  std::string host;        // a display reached over TCP
  int port = 0;
};
DisplayAddress ParseDisplay(const std::string& display);

// A connection to the display's socket, or -1 when nothing accepts one. No X
// request goes over it, but a server that resets when its last client leaves
// (a bare Xvfb) resets when it closes too: the caller keeps it open until
// the toolkit's own connection is open, so that the server never resets
// between the two, and closes it then.
int ConnectToDisplay(const char* display);

}  // namespace scenario
