#include "records/fresh_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

namespace scenario {

namespace {

Status Describe(const std::filesystem::path& path, const char* step, int error) {
  return Status::Error("cannot write " + path.string() + ": " + step + ": " + std::strerror(error));
}

// The whole file as one piece.
class OnePiece : public ByteSource {
 public:
  explicit OnePiece(std::string_view bytes) : bytes_(bytes) {}
  std::string_view NextPiece() override { return std::exchange(bytes_, std::string_view()); }

 private:
  std::string_view bytes_;
};

// Writes all of the piece; false with errno set on failure.
bool WriteAll(int fd, std::string_view piece) {
  while (!piece.empty()) {
    ssize_t n = ::write(fd, piece.data(), piece.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    piece.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

Status FreshFileWriter::Write(const std::filesystem::path& path, std::string_view bytes) {
  OnePiece source(bytes);
  return Write(path, source);
}

Status FreshFileWriter::Write(const std::filesystem::path& path, ByteSource& source) {
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
  for (std::string_view piece = source.NextPiece(); !piece.empty(); piece = source.NextPiece()) {
    if (!WriteAll(fd, piece)) return give_up("write", errno);
  }
  if (Fails(FileStep::kFlush, path)) return give_up("flush", EIO);
  int closed = close(fd);
  fd = -1;
  if (closed != 0) return give_up("flush", errno);
  if (Fails(FileStep::kRename, path)) return give_up("rename", EACCES);
  if (std::rename(temp, path.c_str()) != 0) return give_up("rename", errno);
  return Status::OK();
}

}  // namespace scenario
