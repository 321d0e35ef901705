// One run at a time per folder: an exclusive flock() on the folder itself,
// held from before a run's first file until its end. A second run in the
// same folder waits for it, then does its own full run, so that the files in
// a folder always come from one run and no run deletes or overwrites what
// another is still working on. The kernel drops the lock when the process
// ends, however it ends.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace scenario {

class FolderLock {
 public:
  // Takes the lock, waiting as long as another run holds it; `on_wait` is
  // called once before waiting. A folder that cannot be opened (one that
  // may be written but not read, mode 0333, among them), or a file system
  // without locks, gives no lock: the run must then be refused, since
  // another one could be writing the same files. With `give_up`, the wait
  // asks it every kGiveUpLookMs milliseconds and ends without the lock when it says so
  // (given_up() then tells).
  explicit FolderLock(const std::filesystem::path& folder,
                      const std::function<void()>& on_wait = {},
                      const std::function<bool()>& give_up = {});
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  static constexpr int kGiveUpLookMs = 50;

  bool held() const { return fd_ >= 0; }
  bool given_up() const { return given_up_; }
  // Why the lock is not held: "cannot lock FOLDER: REASON".
  std::string Failure() const;

 private:
  std::filesystem::path folder_;
  int fd_ = -1;
  int error_ = 0;  // errno of the failure, 0 when held
  bool given_up_ = false;
};

}  // namespace scenario
