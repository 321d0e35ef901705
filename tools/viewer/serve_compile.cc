#include "tools/viewer/serve_compile.h"

#include <chrono>
#include <memory>
#include <thread>

#include "tools/compile/watch.h"
#include "tools/viewer/compile_sources.h"
#include "tools/viewer/scene.h"
#include "tools/viewer/server.h"
#include "tools/viewer/stop_signal.h"

namespace scenario::viewer {

namespace {

// A save shows on the page within this and the compile's own time.
constexpr std::chrono::milliseconds kPollInterval{100};

// What changes whenever a description does.
std::string DescriptionsStamp(const CompileOptions& options) {
  return FilesStamp({options.line_path, options.train_path});
}

// One compile, published: a new picture when it succeeded, the status always.
int CompileAndPublish(const CompileOptions& options, LiveView& view, std::ostream& err) {
  CompileOptions run = options;
  DescriptionTexts texts{options.line_path, options.train_path, "", ""};
  std::optional<SourceIndex> sources;
  run.on_compiled = [&](const CompiledRun& compiled) {
    texts.line_text = compiled.line_text;
    texts.train_text = compiled.train_text;
    sources = IndexCompile(compiled, texts);
  };
  const CompileSummary summary = RunCompile(run, err);
  if (!CompileFailed(summary)) {
    auto folder = std::make_shared<ScenarioFolder>();
    if (Status loaded = LoadScenarioFolder(options.out_dir, folder.get()); loaded.ok()) {
      view.PublishScene(folder, SceneJson(*folder, sources ? &*sources : nullptr).dump(-1, ' ', false, Json::error_handler_t::replace));
    } else {
      err << "scenario-compile: the page keeps its picture: " << loaded.message() << "\n";
    }
  }
  view.PublishStatus(CompileStatusJson(summary, texts));
  return summary.exit_status;
}

}  // namespace

int ServeAndCompile(const CompileOptions& options, const ServeAddress& address, std::ostream& err) {
  LiveView view;
  ViewerServer server(view);
  if (Status started = server.Start(address); !started.ok()) {
    err << "scenario-compile: " << started.message() << "\n";
    return 2;
  }
  CatchStopSignals();
  err << "scenario-compile: serving " << ServeUrl(server.bound()) << " (Ctrl-C ends)\n";
  err.flush();
  int status = 0;
  int round = 0;
  WatchHooks hooks;
  hooks.compile = [&] {
    if (round++ > 0) err << "scenario-compile: a description changed, compiling again\n";
    status = CompileAndPublish(options, view, err);
    err.flush();
  };
  hooks.stamp = [&] { return DescriptionsStamp(options); };
  hooks.pause = [] { std::this_thread::sleep_for(kPollInterval); };
  hooks.stop_requested = [] { return StopRequested(); };
  RunWatchLoop(hooks);
  server.Stop();
  return status;
}

}  // namespace scenario::viewer
