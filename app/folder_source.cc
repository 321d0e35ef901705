#include "app/folder_source.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace scenario {

bool FolderSource::LineExists() {
  std::error_code error;
  return std::filesystem::is_regular_file(line_path_, error);
}

Status FolderSource::ReadWhole(const std::filesystem::path& path, std::string* text) {
  text->clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::Error("cannot open " + path.string());
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    text->clear();
    return Status::Error("cannot read " + path.string());
  }
  return Status::OK();
}

void FolderSource::Delete(const std::filesystem::path& path) {
  // A text that is already gone needs no deleting.
  std::error_code error;
  std::filesystem::remove(path, error);
}

}  // namespace scenario
