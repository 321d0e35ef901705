#include "tools/diagnostics/stop_signal.h"

#include <signal.h>

#include <csignal>

namespace scenario {

namespace {

volatile std::sig_atomic_t stop_requested = 0;

extern "C" void OnStopSignal(int /*signal*/) { stop_requested = 1; }

}  // namespace

void CatchStopSignals(std::initializer_list<int> signals) {
  stop_requested = 0;
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  // Calls the system makes are taken up again after the handler (the
  // server's threads are in the middle of theirs); a poll() is not, and the
  // wait it is part of ends early. SA_RESETHAND: a second signal is not
  // caught.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (const int signal : signals) sigaction(signal, &action, nullptr);
}

bool StopRequested() { return stop_requested != 0; }

}  // namespace scenario
