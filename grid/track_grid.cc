#include "grid/track_grid.h"

#include "grid/rounding.h"

namespace scenario {

int64_t LastCellIndex(int64_t route_length) { return RoundDiv(route_length + 7000, 50); }

void TrackGrid::Size(int64_t route_length) {
  int64_t n = LastCellIndex(route_length);
  cells_.assign(n >= 0 ? static_cast<size_t>(n + 1) : 0, Cell{});
  sized_ = true;
}

}  // namespace scenario
