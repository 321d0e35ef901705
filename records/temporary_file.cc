#include "records/temporary_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <random>
#include <string_view>

namespace scenario {

namespace {

constexpr int kNameTries = 100;
constexpr int kRandomLength = 6;
constexpr char kNameLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string RandomPart() {
  static std::mt19937_64 generator{std::random_device{}() ^ static_cast<uint64_t>(getpid())};
  std::string part;
  for (int i = 0; i < kRandomLength; ++i) part += kNameLetters[generator() % (sizeof kNameLetters - 1)];
  return part;
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// Whether the name still leads to the open file: a name can be removed and
// given to another file between two calls.
bool NameIsFile(const std::string& name, int fd) {
  struct stat by_name, by_fd;
  return lstat(name.c_str(), &by_name) == 0 && fstat(fd, &by_fd) == 0 &&
         by_name.st_dev == by_fd.st_dev && by_name.st_ino == by_fd.st_ino;
}

bool IsTemporaryOf(std::string_view name, const std::vector<std::string>& target_names) {
  for (const std::string& target : target_names) {
    const std::string prefix = TemporaryPrefix(target);
    if (name.size() != prefix.size() + kRandomLength || name.substr(0, prefix.size()) != prefix) continue;
    const std::string_view random = name.substr(prefix.size());
    if (random.find_first_not_of(kNameLetters) == std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

std::string TemporaryPrefix(const std::string& target_name) {
  std::string prefix = "." + target_name + ".tmp.";
  if (prefix.size() + kRandomLength <= NAME_MAX) return prefix;
  // A target name near the longest a folder takes would leave no room for
  // the temporary name's 12 bytes: a short name instead, made from the
  // target's, so that a later run still finds what a killed one left.
  uint64_t hash = 14695981039346656037u;  // FNV-1a
  for (const char c : target_name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string short_name = ".";
  for (int shift = 60; shift >= 0; shift -= 4) short_name += kHex[(hash >> shift) & 15];
  return short_name + ".tmp.";
}

int TemporaryFile::KeepLock() {
  if (lock_ >= 0) return 0;
  lock_ = dup(fd_);
  return lock_ < 0 ? errno : 0;
}

TemporaryFile::~TemporaryFile() {
  // The name goes while the lock is still held, so that no other run sees
  // it unlocked and takes it for a stale one.
  if (!name_.empty()) unlink(name_.c_str());
  if (fd_ >= 0) close(fd_);
  if (lock_ >= 0) close(lock_);
}

int TemporaryFile::Create(const std::filesystem::path& target, bool unnamed_allowed) {
  target_ = target;
  if (unnamed_allowed) {
    fd_ = open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      unnamed_ = true;
      // Nobody else can reach the file yet: the lock is taken at once, and
      // is already held when the file gets a name. A file system without
      // locks gives none; the file is named only for a moment anyway.
      flock(fd_, LOCK_EX);
      return 0;
    }
    // Refused by the file system (or by a kernel without unnamed files,
    // which reads the flag as O_DIRECTORY): a named file instead.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
  }
  return CreateNamed();
}

int TemporaryFile::CreateNamed() {
  const std::string prefix = (FolderOf(target_) / TemporaryPrefix(target_.filename().string())).string();
  for (int i = 0; i < kNameTries; ++i) {
    std::string name = prefix + RandomPart();
    int fd = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return errno;
    }
    // Between the create and the lock another run may have found the file
    // unlocked and taken it for a stale one: then it holds the lock, or has
    // removed the name already, and another name is tried. (On a file
    // system without locks the file goes unlocked.)
    const bool taken = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (taken || !NameIsFile(name, fd)) {
      close(fd);
      continue;
    }
    fd_ = fd;
    name_ = std::move(name);
    return 0;
  }
  return EEXIST;
}

std::string TemporaryNameBeside(const std::filesystem::path& target) {
  return (FolderOf(target) / TemporaryPrefix(target.filename().string())).string() + RandomPart();
}

bool TemporaryFile::IsNamedBy(const std::filesystem::path& path) const {
  return NameIsFile(path.string(), fd_ >= 0 ? fd_ : lock_);
}

int TemporaryFile::LinkIn() {
  if (!unnamed_ || !name_.empty()) return 0;
  const std::string prefix = (FolderOf(target_) / TemporaryPrefix(target_.filename().string())).string();
  const std::string proc = "/proc/self/fd/" + std::to_string(fd_);
  for (int i = 0; i < kNameTries; ++i) {
    std::string name = prefix + RandomPart();
    int linked = linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
    // Without /proc the descriptor itself is linked, which needs more
    // privilege on older kernels.
    if (linked != 0 && errno == ENOENT && access("/proc/self/fd", F_OK) != 0) {
      linked = linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
    }
    if (linked == 0) {
      name_ = std::move(name);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

int TemporaryFile::CloseWritten() {
  if (int error = KeepLock()) return error;
  const int closed = close(fd_);
  fd_ = -1;
  return closed == 0 ? 0 : errno;
}

int TemporaryFile::RenameOver(const std::filesystem::path& target) {
  if (std::rename(name_.c_str(), target.c_str()) != 0) return errno;
  name_.clear();
  return 0;
}

int RemoveStaleTemporaries(const std::filesystem::path& folder,
                           const std::vector<std::string>& target_names) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return 0;
  const int dir_fd = dirfd(dir);
  int removed = 0;
  while (const dirent* entry = readdir(dir)) {
    if (!IsTemporaryOf(entry->d_name, target_names)) continue;
    const int fd = openat(dir_fd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) continue;
    // Taking the lock proves the writer gone; the name must still lead to
    // the file locked, or it is another file and stays.
    struct stat opened, named;
    if (fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        fstatat(dir_fd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino &&
        unlinkat(dir_fd, entry->d_name, 0) == 0) {
      ++removed;
    }
    close(fd);
  }
  closedir(dir);
  return removed;
}

}  // namespace scenario
