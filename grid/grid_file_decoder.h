// Reading a grid file back into its cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/status.h"
#include "grid/cell.h"

namespace scenario {

// The readers refuse a route longer than 1000000 m, so no grid has more than
// cells 0 .. round((1000000 + 7000) / 50) = 20140.
inline constexpr size_t kMaxGridCells = 20141;

// Decodes cells 0 .. N, 15 bytes each. The size must be a whole number of
// cells, 1 to kMaxGridCells. A failure says what is wrong.
Status DecodeGridFile(std::string_view bytes, std::vector<Cell>* cells);

}  // namespace scenario
