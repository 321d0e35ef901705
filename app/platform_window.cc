// The desktop platform: the wait window Form1 and the fatal message box, with
// FLTK. Without a display both fall back to standard error.
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/platform.h"

#ifdef SCENARIO_HAVE_FLTK
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#endif

namespace scenario {

namespace {

class ConsolePlatform : public Platform {
 public:
  void ShowWaitWindow() override { std::cerr << "Attendere\n"; }
  void ShowFatal(const std::string& message) override { std::cerr << message << "\n"; }
  void Close() override {}
};

#ifdef SCENARIO_HAVE_FLTK
// Form1: 280 x 180 pixels, one label "Attendere" in a 24 pt bold sans-serif
// face at (64, 64), 177 x 53 pixels.
class DesktopPlatform : public Platform {
 public:
  void ShowWaitWindow() override {
    window_ = std::make_unique<Fl_Window>(280, 180, kApplicationTitle);
    auto* label = new Fl_Box(64, 64, 177, 53, "Attendere");
    label->labelfont(FL_HELVETICA_BOLD);
    label->labelsize(24);
    label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    window_->end();
    window_->show();
    // Paint once, before the work: the window is not repainted afterwards.
    for (int i = 0; i < 5; ++i) Fl::check();
    window_->redraw();
    Fl::flush();
  }

  void ShowFatal(const std::string& message) override {
    message_ = message;
    Fl_Window box(320, 110, kApplicationTitle);
    Fl_Box text(10, 10, 300, 50, message_.c_str());
    text.align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    Fl_Button ok(125, 70, 70, 28, "OK");
    ok.callback([](Fl_Widget* w, void*) { w->window()->hide(); });
    box.end();
    box.set_modal();
    box.show();
    while (box.shown()) Fl::wait();
  }

  void Close() override {
    if (window_) window_->hide();
    window_.reset();
    Fl::check();
  }

 private:
  std::unique_ptr<Fl_Window> window_;
  std::string message_;
};

bool DisplayReachable() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return false;
  ::Display* probe = XOpenDisplay(nullptr);
  if (probe == nullptr) return false;
  XCloseDisplay(probe);
  return true;
}
#endif

}  // namespace

Platform& DefaultPlatform() {
#ifdef SCENARIO_HAVE_FLTK
  if (DisplayReachable()) {
    static DesktopPlatform desktop;
    return desktop;
  }
#endif
  static ConsolePlatform console;
  return console;
}

}  // namespace scenario
