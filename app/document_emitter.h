// The document emitter shared by the five carried documents.
#pragma once

#include <filesystem>
#include <string>

#include "app/status.h"
#include "content/documents.h"
#include "records/fresh_file.h"

namespace scenario {

// A document holds at most 1000 lines: the buffer has indices 0 .. 1000.
inline constexpr size_t kLineBufferSize = 1001;

// The file's bytes: every line before the first line that is exactly the end
// marker, each followed by CR LF, as single bytes.
std::string RenderDocument(const LineBuffer& lines);

// Writes the document as a fresh file.
Status EmitDocument(const LineBuffer& lines, const std::filesystem::path& path,
                    FreshFileWriter& writer);

}  // namespace scenario
