#include "tools/viewer/serve_folder.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <thread>

#include "tools/common/decompile_command.h"
#include "tools/common/text.h"
#include "tools/diagnostics/stop_signal.h"
#include "tools/viewer/open_descriptions.h"
#include "tools/viewer/scene.h"
#include "tools/viewer/serve_compile.h"
#include "tools/viewer/server.h"
#include "tools/viewer/status_json.h"

namespace scenario::viewer {

namespace {

constexpr std::chrono::milliseconds kPollInterval{250};

// The names, sizes and modification times of the folder's files.
std::string FolderStamp(const std::string& folder) {
  std::string stamp;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code ignored;
    stamp += entry.path().filename().string() + ":" + std::to_string(entry.file_size(ignored)) + ":" +
             std::to_string(entry.last_write_time(ignored).time_since_epoch().count()) + ";";
  }
  return error ? "unreadable" : stamp;
}

void LoadAndPublish(const std::string& path, LiveView& view, std::ostream& err) {
  auto folder = std::make_shared<ScenarioFolder>();
  if (Status loaded = LoadScenarioFolder(path, folder.get()); !loaded.ok()) {
    err << "scenario-inspect: " << DisplayText(loaded.message()) << "\n";
    view.PublishStatus(InspectStatusJson(loaded.message(), {}));
    return;
  }
  for (const std::string& warning : folder->warnings) {
    err << DisplayText(path) << ": warning: " << DisplayText(warning) << "\n";
  }
  const std::vector<std::string> warnings = folder->warnings;
  view.PublishScene(folder, SceneJson(*folder, nullptr).dump(-1, ' ', false, Json::error_handler_t::replace));
  view.PublishStatus(InspectStatusJson("", warnings));
}

// What `scenario-compile --serve FOLDER/line.txt FOLDER/train.txt FOLDER`
// would be given: the folder's own route and train, so that the compile
// writes the very files it was opened from.
CompileOptions CompileOptionsFor(const std::string& folder, const LiveView& view) {
  CompileOptions options;
  if (const std::shared_ptr<const ScenarioFolder> shown = view.Current().folder) {
    options.route = shown->route_name;
    options.train = shown->train_number;
  }
  options.line_path = (std::filesystem::path(folder) / "line.txt").string();
  options.train_path = (std::filesystem::path(folder) / "train.txt").string();
  options.out_dir = folder;
  return options;
}

}  // namespace

ExitStatus ServeFolder(const std::string& folder, const ServeAddress& address, std::ostream& err) {
  LiveView view;
  ViewerServer server(view);
  std::atomic<bool> opened{false};
  server.SetOpener([&] {
    const OpenedDescriptions result = OpenFolderAsDescriptions(folder);
    if (result.status == kDecompileExact) opened = true;
    return OpenedDescriptionsJson(result);
  });
  if (Status started = server.Start(address); !started.ok()) {
    err << "scenario-inspect: " << started.message() << "\n";
    return kExitFailure;
  }
  CatchStopSignals({SIGINT, SIGTERM});
  err << "scenario-inspect: serving " << ServeUrl(server.bound()) << " (Ctrl-C ends)\n";
  err.flush();
  std::string stamp = FolderStamp(folder);
  LoadAndPublish(folder, view, err);
  while (!StopRequested() && !opened) {
    std::this_thread::sleep_for(kPollInterval);
    if (std::string now = FolderStamp(folder); now != stamp) {
      stamp = now;
      LoadAndPublish(folder, view, err);
      err.flush();
    }
  }
  ExitStatus status = kExitSuccess;
  if (opened && !StopRequested()) {
    err << "scenario-inspect: opened as line.txt and train.txt; compiling them as scenario-compile --serve\n";
    status = CompileAndServeOn(CompileOptionsFor(folder, view), view, err);
  }
  server.Stop();
  return status;
}

}  // namespace scenario::viewer
