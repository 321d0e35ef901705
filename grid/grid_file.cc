#include "grid/grid_file.h"

#include <algorithm>

#include "records/encoding.h"

namespace scenario {

void EncodeCell(char* dst, const Cell& cell) {
  EncodeFixed8(dst + 0, cell.cell_type);
  EncodeFixed16(dst + 1, static_cast<uint16_t>(cell.value_a));
  EncodeFixed16(dst + 3, static_cast<uint16_t>(cell.value_b));
  EncodeFixed16(dst + 5, static_cast<uint16_t>(cell.value_c));
  EncodeFixed16(dst + 7, static_cast<uint16_t>(cell.value_d));
  EncodeFixed8(dst + 9, cell.signal_time);
  EncodeFixed8(dst + 10, cell.approach_mark);
  EncodeFixed8(dst + 11, cell.tunnel_kind);
  EncodeFixed8(dst + 12, cell.speed_limit);
  EncodeFixed8(dst + 13, cell.gradient);
  EncodeFixed8(dst + 14, cell.adhesion);
}

std::string EncodeGridFile(const TrackGrid& grid) {
  std::string out(grid.cells().size() * kCellBytes, '\0');
  char* p = out.data();
  for (const Cell& cell : grid.cells()) {
    EncodeCell(p, cell);
    p += kCellBytes;
  }
  return out;
}

GridFilePieces::GridFilePieces(const TrackGrid& grid, size_t piece_bytes)
    : grid_(grid),
      cells_per_piece_(std::max<size_t>(piece_bytes / kCellBytes, 1)),
      buffer_(std::make_unique_for_overwrite<char[]>(cells_per_piece_ * kCellBytes)) {}

std::string_view GridFilePieces::NextPiece() {
  const std::vector<Cell>& cells = grid_.cells();
  const size_t count = std::min(cells_per_piece_, cells.size() - next_cell_);
  char* p = buffer_.get();
  for (size_t i = 0; i < count; ++i, p += kCellBytes) EncodeCell(p, cells[next_cell_ + i]);
  next_cell_ += count;
  return std::string_view(buffer_.get(), count * kCellBytes);
}

}  // namespace scenario
