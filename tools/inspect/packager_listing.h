// What a packager built by scenario-pack carries, listed without running it:
// the route name, the train number, the size of each text and document, and
// whether the attachment's checksum holds.
#pragma once

#include <filesystem>
#include <ostream>

#include <nlohmann/json.hpp>

#include "app/status.h"

namespace scenario {

// Whether the file starts as an executable does (ELF): a packager, to be
// listed rather than decoded as a compiled file.
bool IsExecutableFileKind(const std::filesystem::path& path);

// Lists the packager as text on `out`, or appends its object to `json`
// when given. Not ok when the file cannot be read, or when its attachment
// is damaged (after the listing of what could be read).
Status ListPackager(const std::filesystem::path& path, std::ostream& out, nlohmann::ordered_json* json);

}  // namespace scenario
