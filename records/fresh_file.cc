#include "records/fresh_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace scenario {

namespace {

std::string Describe(const std::filesystem::path& path, const char* step, int error) {
  return "cannot write " + path.string() + ": " + step + ": " + std::strerror(error);
}

}  // namespace

std::optional<std::string> FreshFileWriter::Write(const std::filesystem::path& path,
                                                  std::string_view bytes) {
  std::string pattern = path.string() + ".tmpXXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = Fails(FileStep::kCreate, path) ? (errno = EACCES, -1) : mkstemp(name.data());
  if (fd < 0) return Describe(path, "create", errno);
  const char* temp = name.data();
  auto give_up = [&](const char* step, int error) {
    if (fd >= 0) close(fd);
    unlink(temp);
    return Describe(path, step, error);
  };
  // mkstemp creates the file for its owner only; a written file gets the
  // usual permissions.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);

  if (Fails(FileStep::kWrite, path)) return give_up("write", EIO);
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return give_up("write", errno);
    }
    done += static_cast<size_t>(n);
  }
  if (Fails(FileStep::kFlush, path)) return give_up("flush", EIO);
  int closed = close(fd);
  fd = -1;
  if (closed != 0) return give_up("flush", errno);
  if (Fails(FileStep::kRename, path)) return give_up("rename", EACCES);
  if (std::rename(temp, path.c_str()) != 0) return give_up("rename", errno);
  return std::nullopt;
}

}  // namespace scenario
