#include "app/folder_source.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace scenario {

bool FolderSource::LineExists() {
  std::error_code error;
  return std::filesystem::is_regular_file(line_path_, error);
}

std::optional<std::string> FolderSource::ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return text;
}

void FolderSource::Delete(const std::filesystem::path& path) {
  // A text that is already gone needs no deleting.
  std::error_code error;
  std::filesystem::remove(path, error);
}

}  // namespace scenario
