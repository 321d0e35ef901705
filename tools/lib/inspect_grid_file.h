// Reading a grid file back into its cells.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/cell.h"

namespace scenario {

// Decodes cells 0 .. N, 15 bytes each. The size must be a whole, non-zero
// number of cells. Returns what is wrong, or nothing when decoded.
std::optional<std::string> DecodeGridFile(std::string_view bytes, std::vector<Cell>* cells);

}  // namespace scenario
