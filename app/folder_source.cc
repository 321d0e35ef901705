#include "app/folder_source.h"

#include <unistd.h>

#include <system_error>

namespace scenario {

bool FolderSource::LineExists() {
  std::error_code error;
  return std::filesystem::is_regular_file(line_path_, error);
}

void FolderSource::Delete(const std::filesystem::path& path) {
  // A text that is already gone needs no deleting; a directory is never
  // one of the texts, and stays.
  unlink(path.c_str());
}

}  // namespace scenario
