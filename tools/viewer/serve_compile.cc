#include "tools/viewer/serve_compile.h"

#include <chrono>
#include <csignal>
#include <memory>
#include <optional>

#include "tools/diagnostics/description_watcher.h"
#include "tools/diagnostics/inputs.h"
#include "tools/diagnostics/stop_signal.h"
#include "tools/diagnostics/terminal_text.h"
#include "tools/diagnostics/watch.h"
#include "tools/common/text.h"
#include "tools/viewer/compile_sources.h"
#include "tools/viewer/scene.h"
#include "tools/viewer/server.h"

namespace scenario::viewer {

namespace {

// A save shows on the page within this and the compile's own time.
constexpr std::chrono::milliseconds kPollInterval{100};

// One compile, published: a new picture when it succeeded, the status always.
// Nothing when it gave up waiting for another run's lock on OUTDIR.
std::optional<ExitStatus> CompileAndPublish(const CompileOptions& options, const DescriptionsRead& read,
                                            LiveView& view, std::ostream& err) {
  if (!read.ok()) {
    const std::string& failure = read.status().message();
    err << "scenario-compile: " << EscapeForTerminal(failure) << "\n";
    view.PublishStatus(ReadFailureStatusJson(failure));
    return kExitFailure;
  }
  CompileOptions run = options;
  DescriptionTexts texts{options.line_path, options.train_path, "", ""};
  std::optional<SourceIndex> sources;
  run.on_compiled = [&](const CompiledRun& compiled) {
    texts.line_text = compiled.line_text;
    texts.train_text = compiled.train_text;
    sources = IndexCompile(compiled, texts);
  };
  const CompileSummary summary = CompileTexts(run, *read, err);
  if (summary.stopped) return std::nullopt;
  if (!CompileFailed(summary)) {
    auto folder = std::make_shared<ScenarioFolder>();
    if (Status loaded = LoadScenarioFolder(options.out_dir, folder.get()); loaded.ok()) {
      view.PublishScene(folder, SceneJson(*folder, sources ? &*sources : nullptr).dump(-1, ' ', false, Json::error_handler_t::replace));
    } else {
      err << "scenario-compile: the page keeps its picture: " << DisplayText(loaded.message()) << "\n";
    }
  }
  view.PublishStatus(CompileStatusJson(summary, texts));
  return summary.exit_status;
}

}  // namespace

ExitStatus CompileAndServeOn(const CompileOptions& options, LiveView& view, std::ostream& err) {
  CompileOptions run = options;
  run.stop_requested = StopRequested;
  ExitStatus status = kExitSuccess;
  int round = 0;
  DescriptionWatcher watcher({options.line_path, options.train_path});
  WatchHooks hooks;
  hooks.read = [&] { return ReadDescriptionsNow(options); };
  hooks.compile = [&](const DescriptionsRead& read) {
    if (round++ > 0) err << "scenario-compile: a description changed, compiling again\n";
    if (const std::optional<ExitStatus> compiled = CompileAndPublish(run, read, view, err)) status = *compiled;
    err.flush();
  };
  hooks.wait = [&] { return watcher.Wait(kPollInterval); };
  hooks.stop_requested = StopRequested;
  RunWatchLoop(hooks);
  return status;
}

ExitStatus ServeAndCompile(const CompileOptions& options, const ServeAddress& address, std::ostream& err) {
  if (Status usable = CheckCompileOptions(options); !usable.ok()) {
    err << "scenario-compile: " << EscapeForTerminal(usable.message()) << "\n";
    return kExitFailure;
  }
  LiveView view;
  ViewerServer server(view);
  if (Status started = server.Start(address); !started.ok()) {
    err << "scenario-compile: " << started.message() << "\n";
    return kExitFailure;
  }
  CatchStopSignals({SIGINT, SIGTERM});
  err << "scenario-compile: serving " << ServeUrl(server.bound()) << " (Ctrl-C ends)\n";
  err.flush();
  const ExitStatus status = CompileAndServeOn(options, view, err);
  server.Stop();
  return status;
}

}  // namespace scenario::viewer
