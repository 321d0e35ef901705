// What the server shows, shared between the thread that compiles and the
// server's threads: the last good scene (with the decoded route file for the
// plan requests) and the status of the last compile (its diagnostics, and
// whether it failed). Every publication raises the version; the event route
// waits for it to change.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "tools/common/scenario_folder.h"

namespace scenario::viewer {

struct ViewSnapshot {
  int64_t version = 0;        // raised by every publication
  int64_t scene_version = 0;  // raised by every new scene; 0 before the first
  std::shared_ptr<const ScenarioFolder> folder;
  std::shared_ptr<const std::string> scene_json;
  std::shared_ptr<const std::string> status_json;
};

class LiveView {
 public:
  LiveView();

  // A new picture: the folder it was drawn from and its scene.
  void PublishScene(std::shared_ptr<const ScenarioFolder> folder, std::string scene_json);
  // The outcome of a compile, as the status document (status_json.h); the
  // scene stays as it was.
  void PublishStatus(std::string status_json);

  ViewSnapshot Current() const;
  // Waits until the version is not `seen`, the view is closed or the time
  // is up; returns the version then.
  int64_t WaitForChange(int64_t seen, std::chrono::milliseconds timeout) const;
  // Wakes every waiter for good: the server is ending.
  void Close();
  bool closed() const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  ViewSnapshot snapshot_;
  bool closed_ = false;
};

}  // namespace scenario::viewer
