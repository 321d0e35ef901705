// Grid file: cells 0 .. N in index order, 15 bytes a cell, no header:
//   cell_type u8 | value_a i16 | value_b i16 | value_c i16 | value_d i16 |
//   signal_time u8 | approach_mark u8 | tunnel_kind u8 | speed_limit u8 |
//   gradient u8 | adhesion u8
// little-endian.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "grid/track_grid.h"
#include "records/fresh_file.h"

namespace scenario {

inline constexpr size_t kCellBytes = 15;

void EncodeCell(char* dst, const Cell& cell);
std::string EncodeGridFile(const TrackGrid& grid);

// The grid file piece by piece, whole cells to a piece, through one reused
// buffer.
class GridFilePieces : public ByteSource {
 public:
  explicit GridFilePieces(const TrackGrid& grid, size_t piece_bytes = kPieceBytes);
  std::string_view NextPiece() override;

 private:
  const TrackGrid& grid_;
  size_t next_cell_ = 0;
  size_t cells_per_piece_;
  std::unique_ptr<char[]> buffer_;
};

}  // namespace scenario
