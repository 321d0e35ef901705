// The profiles of the grid (gradient, speed limit, adhesion) are written
// cell by cell from a cursor that only moves on. A profile record hands its
// pending value to the cells from the cursor up to, not including, its own
// cell; the closing fill, once its description is read, runs the last value
// on to cell N - 3.
#pragma once

#include <cstdint>

#include "grid/track_grid.h"

namespace scenario {

// Up to cell `to`: at least one cell when `to` is above 0 (so a record behind
// the cursor still moves it on), never at or beyond cell N.
template <typename Write>
void FillProfileTo(TrackGrid& grid, int64_t& cursor, int64_t to, Write write) {
  if (to <= 0) return;
  const int64_t last = grid.last_index();
  do {
    if (cursor >= last) return;
    write(grid.at(cursor));
    ++cursor;
  } while (cursor < to);
}

// On to cell N - 3, at least one cell, never beyond cell N.
template <typename Write>
void FillProfileToEnd(TrackGrid& grid, int64_t& cursor, Write write) {
  const int64_t last = grid.last_index();
  do {
    if (!grid.Contains(cursor)) return;
    write(grid.at(cursor));
    ++cursor;
  } while (cursor < last - 2);
}

}  // namespace scenario
