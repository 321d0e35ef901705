// Grid file: cells 0 .. N in index order, 15 bytes a cell, no header:
//   cell_type u8 | value_a i16 | value_b i16 | value_c i16 | value_d i16 |
//   signal_time u8 | approach_mark u8 | tunnel_kind u8 | speed_limit u8 |
//   gradient u8 | adhesion u8
// little-endian.
#pragma once

#include <string>

#include "grid/track_grid.h"

namespace scenario {

inline constexpr size_t kCellBytes = 15;

void EncodeCell(char* dst, const Cell& cell);
std::string EncodeGridFile(const TrackGrid& grid);

}  // namespace scenario
