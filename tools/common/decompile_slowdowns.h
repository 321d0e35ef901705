// Slowdown records from their boards: each start board with the end board
// that carries the same values after it, the warning board 24 cells before
// the start, and the pre-warning block before the warning board.
#pragma once

#include <string>
#include <vector>

#include "grid/cell.h"

namespace scenario {

void AppendSlowdowns(const std::vector<Cell>& cells, std::string* out, std::vector<std::string>* notes);

}  // namespace scenario
