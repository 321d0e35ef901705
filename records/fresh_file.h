// Produces a fresh file: after a successful write the path holds exactly the
// given bytes and nothing of an older file of that name survives.
//
// The bytes go to a temporary file in the same folder, which is then renamed
// over the target (records/temporary_file.h: it has no name while it is
// written, where the file system allows, and never outlives its process). A
// failure at any step leaves the older file as it was and removes the
// temporary file.
//
// The binary files of a scenario are written as one set (WriteSet): all are
// written and synced under temporary names first, and only then renamed in,
// the older files kept under a second name until every rename has gone
// through. After a failure the run can see, the set is all new or all as
// it was (records/file_set.cc).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/status.h"

namespace scenario {

enum class FileStep { kCreate, kWrite, kFlush, kRename };

// Test seam: lets tests make one step of the write fail, or play a file
// system that offers no unnamed temporary files.
class FileFaults {
 public:
  virtual ~FileFaults() = default;
  virtual bool ShouldFail(FileStep step, const std::filesystem::path& target) = 0;
  virtual bool RefuseUnnamed() { return false; }
};

// A file's bytes handed over piece by piece, so that a large file is never
// held whole in memory.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The next piece; empty once every byte has been handed over. A piece stays
  // valid until the next call.
  virtual std::string_view NextPiece() = 0;
};

// Bytes already at hand, handed over as one piece.
class WholeBytes : public ByteSource {
 public:
  explicit WholeBytes(std::string_view bytes) : bytes_(bytes) {}
  std::string_view NextPiece() override { return std::exchange(bytes_, std::string_view()); }

 private:
  std::string_view bytes_;
};

// One file of a set and where its bytes come from.
struct SetFile {
  std::filesystem::path path;
  ByteSource* source = nullptr;
};

// The size of the pieces the large files are encoded and written in: small
// enough to stay in the cache and to be reused from the heap for the next
// file, large enough that a write call costs little per byte.
inline constexpr size_t kPieceBytes = size_t{64} << 10;

// Where the compile step hands the bytes of its files.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual Status Write(const std::filesystem::path& path, std::string_view bytes) = 0;
  virtual Status Write(const std::filesystem::path& path, ByteSource& source) = 0;
  // Writes the files as one set: on success every one is new; on a failure
  // every one is as it was before the call (an older file kept byte for
  // byte, a file that was absent absent again).
  virtual Status WriteSet(const std::vector<SetFile>& files) = 0;
};

class TemporaryFile;

// "cannot write PATH: STEP: REASON", the message of every file failure.
Status FileFailure(const std::filesystem::path& path, const char* step, int error);

class FreshFileWriter : public FileWriter {
 public:
  explicit FreshFileWriter(FileFaults* faults = nullptr) : faults_(faults) {}
  // Writes the file; a failure's message names the file and the reason.
  Status Write(const std::filesystem::path& path, std::string_view bytes) override;
  // The same, with the bytes taken from the source until it runs dry.
  Status Write(const std::filesystem::path& path, ByteSource& source) override;
  Status WriteSet(const std::vector<SetFile>& files) override;

 private:
  // Writes the bytes into a temporary file beside the target and gives it
  // its temporary name, synced first when `sync` asks for it.
  Status Stage(const std::filesystem::path& path, ByteSource& source, TemporaryFile& temp, bool sync);
  bool Fails(FileStep step, const std::filesystem::path& path) {
    return faults_ != nullptr && faults_->ShouldFail(step, path);
  }
  FileFaults* faults_;
};

}  // namespace scenario
