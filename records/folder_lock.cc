#include "records/folder_lock.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace scenario {

FolderLock::FolderLock(const std::filesystem::path& folder, const std::function<void()>& on_wait,
                       const std::function<bool()>& give_up)
    : folder_(folder.empty() ? std::filesystem::path(".") : folder) {
  // flock() needs a descriptor opened for reading: a folder that cannot be
  // read cannot be locked.
  int fd = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    error_ = errno;
    return;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK && on_wait) on_wait();
    int locked;
    if (give_up) {
      // A blocking flock() could not be asked; the lock is tried again
      // between looks instead.
      while ((locked = flock(fd, LOCK_EX | LOCK_NB)) != 0 && (errno == EWOULDBLOCK || errno == EINTR)) {
        if (give_up()) {
          given_up_ = true;
          errno = ECANCELED;
          break;
        }
        poll(nullptr, 0, kGiveUpLookMs);
      }
    } else {
      do {
        locked = flock(fd, LOCK_EX);
      } while (locked != 0 && errno == EINTR);
    }
    if (locked != 0) {
      error_ = errno;
      close(fd);
      return;
    }
  }
  fd_ = fd;
}

std::string FolderLock::Failure() const {
  if (held()) return "";
  std::string reason = std::strerror(error_);
  if (error_ == EACCES) reason += " (the folder must be readable to be locked)";
  return "cannot lock " + folder_.string() + ": " + reason;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace scenario
