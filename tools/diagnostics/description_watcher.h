// Waits until one of the watched descriptions may have changed.
//
// The descriptions' folders are watched with inotify, so that every save,
// replace, rename or removal is seen at once, whatever it does to the
// file's size and times. Where inotify cannot be had, or cannot see a change
// (a file system shared over the network, a description that is a link
// into another folder), waiting ends at every interval. Whether the content
// really changed is the caller's question: it compares what it reads.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace scenario {

class DescriptionWatcher {
 public:
  explicit DescriptionWatcher(std::vector<std::filesystem::path> files);
  ~DescriptionWatcher();
  DescriptionWatcher(const DescriptionWatcher&) = delete;
  DescriptionWatcher& operator=(const DescriptionWatcher&) = delete;

  // Waits up to `interval`. True when a file may have changed: inotify told
  // of an event on one of them, their status (inode, size, times) moved, or
  // there is no inotify to ask.
  bool Wait(std::chrono::milliseconds interval);

  // Whether inotify watches the folders.
  bool notified() const { return inotify_fd_ >= 0; }

 private:
  void AddWatches();
  bool ReadEvents();
  bool StatusMoved();

  std::vector<std::filesystem::path> files_;
  std::vector<std::string> names_;    // the files' names in their folders
  std::vector<std::filesystem::path> folders_;
  std::vector<int> watches_;          // one a folder; -1 while the folder cannot be watched
  int inotify_fd_ = -1;
  std::string status_;                // of the files, at the last look
};

}  // namespace scenario
