#include "tools/diagnostics/output_gate.h"

#include "app/error_codes.h"

namespace scenario {

bool OutputGate::Open() const { return write_on_error_ || state_.error_code == kNoError; }

Status OutputGate::Write(const std::filesystem::path& path, std::string_view bytes) {
  if (Open()) return files_.Write(path, bytes);
  held_back_.push_back(path.filename().string());
  return Status::OK();
}

Status OutputGate::Write(const std::filesystem::path& path, ByteSource& source) {
  if (Open()) return files_.Write(path, source);
  held_back_.push_back(path.filename().string());
  return Status::OK();
}

Status OutputGate::WriteSet(const std::vector<SetFile>& files) {
  if (Open()) return files_.WriteSet(files);
  for (const SetFile& file : files) held_back_.push_back(file.path.filename().string());
  return Status::OK();
}

}  // namespace scenario
