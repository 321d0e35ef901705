#include "app/folder_source.h"

#include <system_error>

namespace scenario {

bool FolderSource::LineExists() {
  std::error_code error;
  return std::filesystem::is_regular_file(line_path_, error);
}

void FolderSource::Delete(const std::filesystem::path& path) {
  // A text that is already gone needs no deleting.
  std::error_code error;
  std::filesystem::remove(path, error);
}

}  // namespace scenario
