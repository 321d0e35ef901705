#include "app/description_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace scenario {

namespace {

Status Refused(const std::filesystem::path& path, const std::string& reason) {
  return Status::Error("cannot read " + path.string() + ": " + reason);
}

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a directory";
  if (S_ISFIFO(mode)) return "it is a FIFO";
  if (S_ISCHR(mode)) return "it is a character device";
  if (S_ISBLK(mode)) return "it is a block device";
  if (S_ISSOCK(mode)) return "it is a socket";
  return "it is not a regular file";
}

std::string TooLarge(uint64_t size, uint64_t limit) {
  return "it holds " + std::to_string(size) + " bytes, more than the " + std::to_string(limit) +
         " a description may hold";
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

Status ReadDescriptionFile(const std::filesystem::path& path, std::string* text, uint64_t limit) {
  text->clear();
  // A device is refused before it is opened: opening one can have effects
  // of its own. The open descriptor is checked again below, since the name
  // may be given another file in between.
  struct stat named;
  if (stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) {
    return Refused(path, KindOf(named.st_mode));
  }
  // Non-blocking, so that a FIFO put in place meanwhile cannot hold the
  // open until a writer comes; no terminal becomes the controlling one.
  Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return Refused(path, std::strerror(errno));
  struct stat opened;
  if (fstat(fd.get(), &opened) != 0) return Refused(path, std::strerror(errno));
  if (!S_ISREG(opened.st_mode)) return Refused(path, KindOf(opened.st_mode));
  const uint64_t size = static_cast<uint64_t>(opened.st_size);
  if (size > limit) return Refused(path, TooLarge(size, limit));

  // Room for the size fstat gave and one byte more, which tells at once
  // whether the file has grown since; it is read on up to one byte past the
  // limit, never further.
  std::string bytes(static_cast<size_t>(size + 1), '\0');
  size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (filled > limit) {
        return Refused(path, "it grew beyond the " + std::to_string(limit) +
                                 " bytes a description may hold while it was read");
      }
      bytes.resize(static_cast<size_t>(std::min<uint64_t>(limit + 1, uint64_t{filled} * 2 + 4096)));
    }
    const ssize_t n = read(fd.get(), bytes.data() + filled, bytes.size() - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Refused(path, std::strerror(errno));
    }
    if (n == 0) break;
    filled += static_cast<size_t>(n);
  }
  bytes.resize(filled);
  *text = std::move(bytes);
  return Status::OK();
}

}  // namespace scenario
