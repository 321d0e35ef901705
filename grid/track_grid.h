// The track cell grid: cells 0 .. N, one per 50 m, N = round((L + 7000) / 50).
#pragma once

#include <cstdint>
#include <cstddef>
#include <vector>

#include "grid/cell.h"

namespace scenario {

class TrackGrid {
 public:
  // Sizes the grid afresh for route length L: cells 0 .. N, all zero.
  void Size(int64_t route_length);
  bool sized() const { return sized_; }
  // The last cell index N (-1 while unsized).
  int64_t last_index() const { return sized_ ? static_cast<int64_t>(cells_.size()) - 1 : -1; }
  int64_t cell_count() const { return static_cast<int64_t>(cells_.size()); }

  bool Contains(int64_t index) const { return index >= 0 && index < cell_count(); }
  // Cell by index; the index must lie in 0 .. N.
  Cell& at(int64_t index) { return cells_[static_cast<size_t>(index)]; }
  const Cell& at(int64_t index) const { return cells_[static_cast<size_t>(index)]; }
  // A cell outside 0 .. N counts as not free and of no type.
  bool IsFree(int64_t index) const { return Contains(index) && at(index).IsFree(); }
  uint8_t TypeAt(int64_t index) const { return Contains(index) ? at(index).cell_type : 0; }

  // Position guard of the readers: a record at route position p with margin m
  // may touch the grid only when (p + m) / 50 <= N, compared as reals.
  bool PositionFits(int64_t position, int64_t margin) const {
    return (position + margin) <= 50 * last_index();
  }

  const std::vector<Cell>& cells() const { return cells_; }
  std::vector<Cell>& cells() { return cells_; }

 private:
  std::vector<Cell> cells_;
  bool sized_ = false;
};

// N for route length L.
int64_t LastCellIndex(int64_t route_length);

}  // namespace scenario
