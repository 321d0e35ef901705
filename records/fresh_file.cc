#include "records/fresh_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "records/temporary_file.h"

namespace scenario {

Status FileFailure(const std::filesystem::path& path, const char* step, int error) {
  return Status::Error("cannot write " + path.string() + ": " + step + ": " + std::strerror(error));
}

namespace {

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
  WholeBytes source(bytes);
  return Write(path, source);
}

Status FreshFileWriter::Write(const std::filesystem::path& path, ByteSource& source) {
  // The temporary file removes itself, unless renamed, when it goes out of
  // scope: every early return below leaves the folder as it was.
  TemporaryFile temp;
  if (Status staged = Stage(path, source, temp, false); !staged.ok()) return staged;
  if (Fails(FileStep::kRename, path)) return FileFailure(path, "rename", EACCES);
  if (int error = temp.RenameOver(path)) return FileFailure(path, "rename", error);
  return Status::OK();
}

Status FreshFileWriter::Stage(const std::filesystem::path& path, ByteSource& source,
                              TemporaryFile& temp, bool sync) {
  if (Fails(FileStep::kCreate, path)) return FileFailure(path, "create", EACCES);
  const bool unnamed_allowed = faults_ == nullptr || !faults_->RefuseUnnamed();
  if (int error = temp.Create(path, unnamed_allowed)) return FileFailure(path, "create", error);

  if (Fails(FileStep::kWrite, path)) return FileFailure(path, "write", EIO);
  for (std::string_view piece = source.NextPiece(); !piece.empty(); piece = source.NextPiece()) {
    if (!WriteAll(temp.fd(), piece)) return FileFailure(path, "write", errno);
  }
  if (Fails(FileStep::kFlush, path)) return FileFailure(path, "flush", EIO);
  // A file system that finds no room for the bytes only when it writes them
  // out says so here, while the older file still has its name.
  if (sync && fdatasync(temp.fd()) != 0) return FileFailure(path, "flush", errno);
  if (int error = temp.KeepLock()) return FileFailure(path, "open", error);
  if (int error = temp.LinkIn()) return FileFailure(path, "link", error);
  if (int error = temp.CloseWritten()) return FileFailure(path, "flush", error);
  return Status::OK();
}

}  // namespace scenario
