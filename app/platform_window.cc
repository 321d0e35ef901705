// The desktop platform: the wait window Form1 and the fatal message box, with
// FLTK. Without a display both fall back to standard error, and so do they
// when the display goes away during the run: the run goes on and writes its
// files.
#include <csetjmp>
#include <csignal>
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
// Set once the connection to the display is lost: from then on the window
// calls fall back to the console's, and nothing asks the dead connection
// for anything.
bool display_lost = false;

// While the display is being opened, a connection that breaks cannot go
// on: the opening is left from here and the display given up.
bool opening = false;
sigjmp_buf opening_broke;

// Xlib calls these when the connection breaks (the server ended, or reset
// when its last other client left). Its own and the toolkit's end the
// process, before a file is written; these only take note, and the run
// goes on without the display.
int OnDisplayLost(::Display* /*display*/) {
  if (opening) siglongjmp(opening_broke, 1);
  if (!display_lost) {
    std::cerr << "scenario-packager: the connection to the display was lost; going on without it\n";
  }
  display_lost = true;
  return 0;
}
void KeepRunning(::Display* /*display*/, void* /*data*/) {}

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
    for (int i = 0; i < 5 && !display_lost; ++i) Fl::check();
    if (!display_lost) {
      window_->redraw();
      Fl::flush();
    }
    if (display_lost) console_.ShowWaitWindow();
  }

  void ShowFatal(const std::string& message) override {
    if (display_lost) return console_.ShowFatal(message);
    message_ = message;
    Fl_Window box(320, 110, kApplicationTitle);
    Fl_Box text(10, 10, 300, 50, message_.c_str());
    text.align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    Fl_Button ok(125, 70, 70, 28, "OK");
    ok.callback([](Fl_Widget* w, void*) { w->window()->hide(); });
    box.end();
    box.set_modal();
    box.show();
    while (box.shown() && !display_lost) Fl::wait(0.1);
    if (display_lost) console_.ShowFatal(message);
  }

  void Close() override {
    if (display_lost) {
      // Its windows cannot be closed over a dead connection; the process
      // ends soon and takes them with it.
      (void)window_.release();
      return;
    }
    if (window_) window_->hide();
    window_.reset();
    Fl::check();
  }

 private:
  std::unique_ptr<Fl_Window> window_;
  std::string message_;
  ConsolePlatform console_;
};

// Opens the display for the toolkit, or gives false. The connection opened
// here is the one the toolkit uses: a second one, opened after this one was
// closed, can find the server resetting (a bare X server resets when its
// last client leaves) and fail, and the toolkit then ends the process.
bool OpenDisplay() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return false;
  // Set before the opening, which would otherwise set Xlib's own.
  XSetIOErrorHandler(OnDisplayLost);
  ::Display* volatile connection = nullptr;
  opening = true;
  if (sigsetjmp(opening_broke, 0) == 0) connection = XOpenDisplay(nullptr);
  opening = false;
  if (connection == nullptr) return false;
  // Xlib's default for the open connection ends the process once the
  // handler above returns; this one lets the run go on.
  XSetIOErrorExitHandler(connection, KeepRunning, nullptr);
  // A write to a connection the server has closed raises SIGPIPE, which
  // would end the process as surely.
  std::signal(SIGPIPE, SIG_IGN);
  fl_open_display(connection);
  return !display_lost;
}
#endif

}  // namespace

Platform& DefaultPlatform() {
#ifdef SCENARIO_HAVE_FLTK
  if (OpenDisplay()) {
    static DesktopPlatform desktop;
    return desktop;
  }
#endif
  static ConsolePlatform console;
  return console;
}

}  // namespace scenario
