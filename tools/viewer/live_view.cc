#include "tools/viewer/live_view.h"

namespace scenario::viewer {

LiveView::LiveView() {
  snapshot_.scene_json = std::make_shared<const std::string>("null");
  snapshot_.status_json = std::make_shared<const std::string>("null");
}

void LiveView::PublishScene(std::shared_ptr<const ScenarioFolder> folder, std::string scene_json) {
  auto json = std::make_shared<const std::string>(std::move(scene_json));
  {
    std::lock_guard<std::mutex> lock(mutex_);
    snapshot_.folder = std::move(folder);
    snapshot_.scene_json = std::move(json);
    ++snapshot_.version;
    snapshot_.scene_version = snapshot_.version;
  }
  changed_.notify_all();
}

void LiveView::PublishStatus(std::string status_json) {
  auto json = std::make_shared<const std::string>(std::move(status_json));
  {
    std::lock_guard<std::mutex> lock(mutex_);
    snapshot_.status_json = std::move(json);
    ++snapshot_.version;
  }
  changed_.notify_all();
}

ViewSnapshot LiveView::Current() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return snapshot_;
}

int64_t LiveView::WaitForChange(int64_t seen, std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait_for(lock, timeout, [&] { return closed_ || snapshot_.version != seen; });
  return snapshot_.version;
}

void LiveView::Close() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
}

bool LiveView::closed() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return closed_;
}

}  // namespace scenario::viewer
