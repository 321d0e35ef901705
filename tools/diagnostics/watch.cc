#include "tools/diagnostics/watch.h"

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include "app/packager_run.h"
#include "tools/diagnostics/description_watcher.h"
#include "tools/diagnostics/terminal_text.h"

namespace scenario {

namespace {

constexpr std::chrono::milliseconds kLookInterval{200};

volatile std::sig_atomic_t status_on_interrupt = 0;

// Ctrl-C ends the process here, whatever the loop is doing: waiting, reading,
// compiling, or waiting for another run's lock on OUTDIR. Nothing is torn by
// it: every output is a temporary file until it is renamed over its target
// in one step, the temporary files go with the process (or are left locked
// by nobody, for the next run to remove), and the kernel drops the folder
// lock.
extern "C" void OnInterrupt(int /*signal*/) { _exit(status_on_interrupt); }

void EndOnInterrupt() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace

DescriptionsRead ReadDescriptionsNow(const CompileOptions& options) {
  DescriptionsRead now;
  if (Status read = ReadDescriptionTexts(options, &now.texts); !read.ok()) {
    now.failure = read.message();
    now.texts = DescriptionTexts();
  }
  return now;
}

int RunWatchLoop(const WatchHooks& hooks, int max_waits) {
  DescriptionsRead compiled = hooks.read();
  hooks.compile(compiled);
  int compiles = 1;
  for (int waits = 0; max_waits <= 0 || waits < max_waits; ++waits) {
    if (hooks.stop_requested()) break;
    if (!hooks.wait()) continue;
    DescriptionsRead now = hooks.read();
    if (now == compiled) continue;
    // What is compiled is exactly what was compared: an edit made while it
    // compiles is seen at the next look.
    compiled = std::move(now);
    hooks.compile(compiled);
    ++compiles;
  }
  return compiles;
}

int WatchAndCompile(const CompileOptions& options, std::ostream& err) {
  if (Status usable = CheckCompileOptions(options); !usable.ok()) {
    err << "scenario-compile: " << EscapeForTerminal(usable.message()) << "\n";
    return kExitFailure;
  }
  EndOnInterrupt();
  DescriptionWatcher watcher({options.line_path, options.train_path});
  int status = 0;
  int round = 0;
  WatchHooks hooks;
  hooks.read = [&] { return ReadDescriptionsNow(options); };
  hooks.compile = [&](const DescriptionsRead& now) {
    if (round++ > 0) err << "scenario-compile: a description changed, compiling again\n";
    if (now.failure.empty()) {
      status = CompileTexts(options, now.texts, err).exit_status;
    } else {
      // Reported, and watched on: the author may put it right.
      err << "scenario-compile: " << EscapeForTerminal(now.failure) << "\n";
      status = kExitFailure;
    }
    status_on_interrupt = status;
    err << "scenario-compile: watching " << EscapeForTerminal(options.line_path) << " and "
        << EscapeForTerminal(options.train_path) << " (Ctrl-C ends)\n";
    err.flush();
  };
  hooks.wait = [&] { return watcher.Wait(kLookInterval); };
  hooks.stop_requested = [] { return false; };
  RunWatchLoop(hooks);
  return status;
}

}  // namespace scenario
