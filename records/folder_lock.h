// One run at a time per folder: an exclusive flock() on the folder itself,
// held from before a run's first file until its end. A second run in the
// same folder waits for it, then does its own full run, so that the files in
// a folder always come from one run and no run deletes or overwrites what
// another is still working on. The kernel drops the lock when the process
// ends, however it ends.
#pragma once

#include <filesystem>
#include <functional>

namespace scenario {

class FolderLock {
 public:
  // Takes the lock, waiting as long as another run holds it; `on_wait` is
  // called once before waiting. A folder that cannot be opened, or a file
  // system without locks, gives no lock: the run goes on, and its writes
  // report whatever is wrong with the folder.
  explicit FolderLock(const std::filesystem::path& folder,
                      const std::function<void()>& on_wait = {});
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace scenario
