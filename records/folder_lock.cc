#include "records/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace scenario {

FolderLock::FolderLock(const std::filesystem::path& folder, const std::function<void()>& on_wait) {
  const std::filesystem::path name = folder.empty() ? std::filesystem::path(".") : folder;
  int fd = open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK && on_wait) on_wait();
    int locked;
    do {
      locked = flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
      close(fd);
      return;
    }
  }
  fd_ = fd;
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace scenario
