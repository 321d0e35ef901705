#include "tools/diagnostics/watch.h"

#include <chrono>
#include <csignal>

#include "tools/diagnostics/description_watcher.h"
#include "tools/diagnostics/stop_signal.h"
#include "tools/diagnostics/terminal_text.h"

namespace scenario {

namespace {

constexpr std::chrono::milliseconds kLookInterval{200};

}  // namespace

DescriptionsRead ReadDescriptionsNow(const CompileOptions& options) { return ReadDescriptionTexts(options); }

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

ExitStatus WatchAndCompile(const CompileOptions& options, std::ostream& err) {
  if (Status usable = CheckCompileOptions(options); !usable.ok()) {
    err << "scenario-compile: " << EscapeForTerminal(usable.message()) << "\n";
    return kExitFailure;
  }
  // Ctrl-C alone: SIGTERM keeps its default and ends the process where it
  // is. Nothing is torn either way: every output is a temporary file until
  // it is renamed over its target in one step, and a temporary file left by
  // a process that is gone is removed by the next run.
  CatchStopSignals({SIGINT});
  CompileOptions run = options;
  run.stop_requested = StopRequested;
  DescriptionWatcher watcher({options.line_path, options.train_path});
  ExitStatus status = kExitSuccess;
  int round = 0;
  WatchHooks hooks;
  hooks.read = [&] { return ReadDescriptionsNow(options); };
  hooks.compile = [&](const DescriptionsRead& now) {
    if (round++ > 0) err << "scenario-compile: a description changed, compiling again\n";
    if (now.ok()) {
      const CompileSummary summary = CompileTexts(run, *now, err);
      if (summary.stopped) return;
      status = summary.exit_status;
    } else {
      // Reported, and watched on: the author may put it right.
      err << "scenario-compile: " << EscapeForTerminal(now.status().message()) << "\n";
      status = kExitFailure;
    }
    if (StopRequested()) return;
    err << "scenario-compile: watching " << EscapeForTerminal(options.line_path) << " and "
        << EscapeForTerminal(options.train_path) << " (Ctrl-C ends)\n";
    err.flush();
  };
  hooks.wait = [&] { return watcher.Wait(kLookInterval); };
  hooks.stop_requested = StopRequested;
  RunWatchLoop(hooks);
  return status;
}

}  // namespace scenario
