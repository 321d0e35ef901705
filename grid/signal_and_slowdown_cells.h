// The cells a signal or a slowdown record aims at. The train reader refuses
// a record whose cells lie outside the grid before it calls the writer; the
// writers use the same arithmetic.
#pragma once

#include <cstdint>

#include "grid/rounding.h"
#include "grid/track_grid.h"

namespace scenario {

// A slowdown gets its warning and pre-warning boards only beyond this start.
inline constexpr int32_t kSlowdownBoardsFrom = 1500;

// round(position / 50 + 1).
inline int64_t SignalCell(int32_t position) { return RoundDiv(int64_t{position} + 50, 50); }

struct SlowdownCells {
  int64_t warning = 0;           // round((x - 1200) / 50 + 1)
  int64_t start = 0;             // round(x / 50 + 1)
  int64_t end = 0;               // round((x + l) / 50 + 1)
  int64_t first_prewarning = 0;  // m = round((x - 1200) / 50); the block is m .. m - 3
};

SlowdownCells SlowdownCellsFor(int32_t x, int32_t l);

// Whether every cell the slowdown would write lies in 0 .. N. Only its start
// and end can fall outside: beyond 1500 m the warning board and the
// pre-warning block lie from cell 3 on and before the start cell.
bool SlowdownCellsInGrid(const TrackGrid& grid, int32_t x, int32_t l);

}  // namespace scenario
