// Telling the three compiled files apart and decoding them.
//
// The name decides first: `*_linea.dat` is a route file, `*.sim` a scenario
// file, any other `*.dat` a grid file. The structure must then confirm it: a
// scenario file decodes to exactly 87 rows that end at the end of the file,
// a route file decodes tag by tag to an even number of elements, a grid file
// is a whole number of 15-byte cells. A name that says nothing leaves the
// choice to the structure alone.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/status.h"
#include "grid/cell.h"
#include "records/route_file_decoder.h"
#include "records/scenario_table.h"

namespace scenario {

enum class FileKind { kUnknown, kRoute, kScenario, kGrid };

// "route file", "scenario file", "grid file" (and "file" for kUnknown).
const char* FileKindName(FileKind kind);
// The kind the file name announces, from its last path component.
FileKind KindFromName(std::string_view file_name);

struct InspectedFile {
  std::string name;  // as given by the user
  size_t size = 0;
  FileKind kind = FileKind::kUnknown;
  ScenarioTable scenario;  // kScenario
  std::vector<Cell> cells;  // kGrid
  RoutePlan route;          // kRoute
};

// Decodes bytes whose file name is `name` into `file`. A failure says why
// the file was not recognised or not decoded.
Status IdentifyAndDecode(std::string_view name, std::string_view bytes, InspectedFile* file);

// The largest compiled file: a route file of the longest route with every
// element a 10-byte real.
inline constexpr uintmax_t kMaxCompiledFileBytes = 2 * static_cast<uintmax_t>(kMaxRouteRows) * 10;

// Reads the file at `path` whole, then IdentifyAndDecode. A file larger than
// any compiled file is refused unread.
Status LoadInspectedFile(const std::filesystem::path& path, InspectedFile* file);

}  // namespace scenario
