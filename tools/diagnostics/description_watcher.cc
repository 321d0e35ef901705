#include "tools/diagnostics/description_watcher.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace scenario {

namespace {

// Every way a file in a folder changes, is replaced, appears or goes.
constexpr uint32_t kEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE |
                             IN_DELETE | IN_ATTRIB | IN_MODIFY | IN_DELETE_SELF | IN_MOVE_SELF;
// An editor saves in several steps (truncate, write, rename): after the
// first event, the following ones are gathered while they come at least
// this often, for a few rounds at most.
constexpr int kSettleMs = 50;
constexpr int kSettleRounds = 6;

std::string StatusOf(const std::filesystem::path& file) {
  struct stat st;
  if (stat(file.c_str(), &st) != 0) return "missing " + std::to_string(errno) + ";";
  auto ns = [](const timespec& t) { return std::to_string(t.tv_sec) + "." + std::to_string(t.tv_nsec); };
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" +
         std::to_string(st.st_mode) + ":" + std::to_string(st.st_size) + ":" + ns(st.st_mtim) +
         ":" + ns(st.st_ctim) + ";";
}

}  // namespace

DescriptionWatcher::DescriptionWatcher(std::vector<std::filesystem::path> files)
    : files_(std::move(files)) {
  for (const std::filesystem::path& file : files_) {
    names_.push_back(file.filename().string());
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    if (std::find(folders_.begin(), folders_.end(), folder) == folders_.end()) {
      folders_.push_back(folder);
    }
  }
  watches_.assign(folders_.size(), -1);
  inotify_fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  AddWatches();
  StatusMoved();
}

DescriptionWatcher::~DescriptionWatcher() {
  if (inotify_fd_ >= 0) close(inotify_fd_);
}

void DescriptionWatcher::AddWatches() {
  if (inotify_fd_ < 0) return;
  for (size_t i = 0; i < folders_.size(); ++i) {
    if (watches_[i] < 0) watches_[i] = inotify_add_watch(inotify_fd_, folders_[i].c_str(), kEvents);
  }
}

bool DescriptionWatcher::StatusMoved() {
  std::string now;
  for (const std::filesystem::path& file : files_) now += StatusOf(file);
  const bool moved = now != status_;
  status_ = std::move(now);
  return moved;
}

// Drains the queued events; true when one is about a watched file, or about
// a folder itself (its watch is then lost and taken again).
bool DescriptionWatcher::ReadEvents() {
  alignas(inotify_event) char buffer[16384];
  bool relevant = false;
  for (;;) {
    const ssize_t n = read(inotify_fd_, buffer, sizeof buffer);
    if (n <= 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if (event->mask & (IN_IGNORED | IN_Q_OVERFLOW | IN_DELETE_SELF | IN_MOVE_SELF)) {
        relevant = true;
        if (event->mask & IN_IGNORED) std::replace(watches_.begin(), watches_.end(), event->wd, -1);
        continue;
      }
      const std::string name = event->len > 0 ? std::string(event->name) : std::string();
      if (std::find(names_.begin(), names_.end(), name) != names_.end()) relevant = true;
    }
  }
  return relevant;
}

bool DescriptionWatcher::Wait(std::chrono::milliseconds interval) {
  if (inotify_fd_ < 0) {
    poll(nullptr, 0, static_cast<int>(interval.count()));
    StatusMoved();
    return true;
  }
  AddWatches();
  pollfd watched{inotify_fd_, POLLIN, 0};
  bool relevant = false;
  if (poll(&watched, 1, static_cast<int>(interval.count())) > 0) {
    relevant = ReadEvents();
    for (int round = 0; relevant && round < kSettleRounds && poll(&watched, 1, kSettleMs) > 0; ++round) {
      ReadEvents();
    }
  }
  // A change inotify cannot see still moves the file's status.
  const bool moved = StatusMoved();
  return relevant || moved;
}

}  // namespace scenario
