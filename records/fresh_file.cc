#include "records/fresh_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "records/temporary_file.h"

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
  // The temporary file removes itself, unless renamed, when it goes out of
  // scope: every early return below leaves the folder as it was.
  TemporaryFile temp;
  if (Fails(FileStep::kCreate, path)) return Describe(path, "create", EACCES);
  const bool unnamed_allowed = faults_ == nullptr || !faults_->RefuseUnnamed();
  if (int error = temp.Create(path, unnamed_allowed)) return Describe(path, "create", error);

  if (Fails(FileStep::kWrite, path)) return Describe(path, "write", EIO);
  for (std::string_view piece = source.NextPiece(); !piece.empty(); piece = source.NextPiece()) {
    if (!WriteAll(temp.fd(), piece)) return Describe(path, "write", errno);
  }
  if (Fails(FileStep::kFlush, path)) return Describe(path, "flush", EIO);
  if (int error = temp.KeepLock()) return Describe(path, "open", error);
  if (int error = temp.LinkIn()) return Describe(path, "link", error);
  if (int error = temp.CloseWritten()) return Describe(path, "flush", error);
  if (Fails(FileStep::kRename, path)) return Describe(path, "rename", EACCES);
  if (int error = temp.RenameOver(path)) return Describe(path, "rename", error);
  return Status::OK();
}

}  // namespace scenario
