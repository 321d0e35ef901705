// memorizza_percorso: the compile step. Reads both descriptions, completes
// the grid, stamps the check codes and writes the three binary files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/generator_state.h"
#include "app/status.h"
#include "descriptions/description_source.h"
#include "records/fresh_file.h"

namespace scenario {

// Ok when the files are written; the error code may still be set. Not ok
// when a stamp guard failed (fatal_number is 1250 or 1251: the fatal report,
// no binary file written), when the readers left no grid (no binary file can
// be written) or when a file could not be written.
struct CompileResult {
  Status status;
  int32_t fatal_number = 0;
  std::vector<std::string> written;  // file names, in writing order
};

CompileResult memorizza_percorso(GeneratorState& state, int32_t build_route_table,
                                 DescriptionSource& source,
                                 const std::filesystem::path& folder, FileWriter& writer);

// The binary files' bytes, for tools that check them without writing.
std::string EncodeRouteFile(const GeneratorState& state);

}  // namespace scenario
