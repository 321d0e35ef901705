// Produces a fresh file: after a successful write the path holds exactly the
// given bytes and nothing of an older file of that name survives.
//
// The bytes go to a temporary file in the same folder, which is then renamed
// over the target. A failure at any step leaves the older file as it was and
// removes the temporary file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace scenario {

enum class FileStep { kCreate, kWrite, kFlush, kRename };

// Test seam: lets tests make one step of the write fail.
class FileFaults {
 public:
  virtual ~FileFaults() = default;
  virtual bool ShouldFail(FileStep step, const std::filesystem::path& target) = 0;
};

class FreshFileWriter {
 public:
  explicit FreshFileWriter(FileFaults* faults = nullptr) : faults_(faults) {}
  // Writes the file; on failure returns a message naming the file and the
  // reason.
  std::optional<std::string> Write(const std::filesystem::path& path, std::string_view bytes);

 private:
  bool Fails(FileStep step, const std::filesystem::path& path) {
    return faults_ != nullptr && faults_->ShouldFail(step, path);
  }
  FileFaults* faults_;
};

}  // namespace scenario
