#include "tools/viewer/stop_signal.h"

#include <csignal>

namespace scenario::viewer {

namespace {

volatile std::sig_atomic_t stop_requested = 0;

extern "C" void OnStopSignal(int /*signal*/) { stop_requested = 1; }

}  // namespace

void CatchStopSignals() {
  stop_requested = 0;
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
}

bool StopRequested() { return stop_requested != 0; }

}  // namespace scenario::viewer
