#include "app/document_emitter.h"

namespace scenario {

std::string RenderDocument(const LineBuffer& lines) {
  std::string out;
  size_t count = std::min(lines.size(), kLineBufferSize);
  for (size_t i = 0; i < count && lines[i] != kEndMarker; ++i) {
    out += lines[i];
    out += "\r\n";
  }
  return out;
}

Status EmitDocument(const LineBuffer& lines, const std::filesystem::path& path,
                    FreshFileWriter& writer) {
  return writer.Write(path, RenderDocument(lines));
}

}  // namespace scenario
