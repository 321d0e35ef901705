// Form1, the wait window (280 x 180 pixels, the label "Attendere" in a 24
// pixel bold sans-serif face), and the fatal message box with its OK button,
// with plain Xlib.
#include "app/desktop_window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>
#include <time.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "app/window_label.h"

namespace scenario {

namespace {

Display* display = nullptr;
Window wait_window = 0;
unsigned long grey = 0;
Atom delete_window = 0;

bool OpenDisplay() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return false;
  display = XOpenDisplay(name);
  if (display == nullptr) return false;
  XColor colour{};
  colour.red = colour.green = colour.blue = 0xc0c0;
  colour.flags = DoRed | DoGreen | DoBlue;
  grey = XAllocColor(display, DefaultColormap(display, DefaultScreen(display)), &colour)
             ? colour.pixel
             : WhitePixel(display, DefaultScreen(display));
  delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
  return true;
}

// A fixed-size top-level window, mapped.
Window MakeWindow(unsigned width, unsigned height, const char* title) {
  const int screen = DefaultScreen(display);
  Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, width, height, 0,
                                      BlackPixel(display, screen), grey);
  XStoreName(display, window, title);
  XSizeHints size{};
  size.flags = PMinSize | PMaxSize;
  size.min_width = size.max_width = static_cast<int>(width);
  size.min_height = size.max_height = static_cast<int>(height);
  XSetWMNormalHints(display, window, &size);
  XSetWMProtocols(display, window, &delete_window, 1);
  XSelectInput(display, window, ExposureMask | ButtonPressMask | KeyPressMask);
  XMapWindow(display, window);
  return window;
}

double Milliseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Nothing repaints the wait window once the work has begun, and what is
// drawn before the server shows the window is lost: wait for its first
// expose, which a window manager may delay, for half a second at most.
void WaitForExpose(Window window) {
  const double deadline = Milliseconds() + 500;
  XFlush(display);
  while (Milliseconds() < deadline) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == Expose && event.xexpose.window == window) return;
    }
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, 10);
  }
}

void ShowWait(const char* title) {
  wait_window = MakeWindow(280, 180, title);
  WaitForExpose(wait_window);
  // The bitmap goes straight into the window in the window's colours: a
  // bitmap pixmap would have Xlib look for the cursor library.
  char bits[sizeof kLabelBits];
  std::memcpy(bits, kLabelBits, sizeof bits);
  XImage label{};
  label.width = kLabelWidth;
  label.height = kLabelHeight;
  label.format = XYBitmap;
  label.data = bits;
  label.byte_order = LSBFirst;
  label.bitmap_unit = 8;
  label.bitmap_bit_order = LSBFirst;
  label.bitmap_pad = 8;
  label.depth = 1;
  label.bytes_per_line = (kLabelWidth + 7) / 8;
  label.bits_per_pixel = 1;
  XInitImage(&label);
  GC gc = XCreateGC(display, wait_window, 0, nullptr);
  XSetForeground(display, gc, BlackPixel(display, DefaultScreen(display)));
  XSetBackground(display, gc, grey);
  XPutImage(display, wait_window, gc, &label, 0, 0, kLabelX, kLabelY,
            kLabelWidth, kLabelHeight);
  XFreeGC(display, gc);
  // The paint reaches the server before the work starts.
  XSync(display, False);
}

// The message box: the message in the server's own font, an OK button.
constexpr int kOkX = 125, kOkY = 70, kOkWidth = 70, kOkHeight = 28;

void DrawFatal(Window box, GC gc, const char* message) {
  XDrawString(display, box, gc, 10, 40, message, static_cast<int>(std::strlen(message)));
  XDrawRectangle(display, box, gc, kOkX, kOkY, kOkWidth, kOkHeight);
  XDrawString(display, box, gc, kOkX + kOkWidth / 2 - 6, kOkY + kOkHeight / 2 + 5, "OK", 2);
}

bool Closes(const XEvent& event) {
  switch (event.type) {
    case ButtonPress:
      return event.xbutton.x >= kOkX && event.xbutton.x < kOkX + kOkWidth &&
             event.xbutton.y >= kOkY && event.xbutton.y < kOkY + kOkHeight;
    case KeyPress: {
      const KeySym key = XLookupKeysym(const_cast<XKeyEvent*>(&event.xkey), 0);
      return key == XK_Return || key == XK_KP_Enter || key == XK_space || key == XK_Escape;
    }
    case ClientMessage:
      return static_cast<Atom>(event.xclient.data.l[0]) == delete_window;
    default:
      return false;
  }
}

void ShowFatalBox(const char* title, const char* message) {
  Window box = MakeWindow(320, 110, title);
  if (wait_window != 0) XSetTransientForHint(display, box, wait_window);
  GC gc = XCreateGC(display, box, 0, nullptr);
  XSetForeground(display, gc, BlackPixel(display, DefaultScreen(display)));
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == Expose && event.xexpose.window == box && event.xexpose.count == 0) {
      DrawFatal(box, gc, message);
    } else if (event.xany.window == box && Closes(event)) {
      break;
    }
  }
  XFreeGC(display, gc);
  XDestroyWindow(display, box);
  XSync(display, False);
}

void CloseWindows() {
  if (wait_window != 0) XDestroyWindow(display, wait_window);
  wait_window = 0;
  XSync(display, False);
}

class DesktopPlatform : public Platform {
 public:
  void ShowWaitWindow() override { ShowWait(kApplicationTitle); }
  void ShowFatal(const std::string& message) override {
    ShowFatalBox(kApplicationTitle, message.c_str());
  }
  void Close() override { CloseWindows(); }
};

}  // namespace

Platform* OpenDesktopPlatform() {
  if (!OpenDisplay()) return nullptr;
  static DesktopPlatform desktop;
  return &desktop;
}

}  // namespace scenario
