#include "tools/viewer/serve_folder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <thread>

#include "tools/common/text.h"
#include "tools/diagnostics/stop_signal.h"
#include "tools/viewer/scene.h"
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

}  // namespace

ExitStatus ServeFolder(const std::string& folder, const ServeAddress& address, std::ostream& err) {
  LiveView view;
  ViewerServer server(view);
  if (Status started = server.Start(address); !started.ok()) {
    err << "scenario-inspect: " << started.message() << "\n";
    return kExitFailure;
  }
  CatchStopSignals({SIGINT, SIGTERM});
  err << "scenario-inspect: serving " << ServeUrl(server.bound()) << " (Ctrl-C ends)\n";
  err.flush();
  std::string stamp = FolderStamp(folder);
  LoadAndPublish(folder, view, err);
  while (!StopRequested()) {
    std::this_thread::sleep_for(kPollInterval);
    if (std::string now = FolderStamp(folder); now != stamp) {
      stamp = now;
      LoadAndPublish(folder, view, err);
      err.flush();
    }
  }
  server.Stop();
  return kExitSuccess;
}

}  // namespace scenario::viewer
