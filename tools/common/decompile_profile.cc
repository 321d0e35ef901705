#include "tools/common/decompile_profile.h"

#include <algorithm>

namespace scenario {

std::vector<ProfileRecord> ProfileRecords(std::span<const uint8_t> stored, uint8_t before_first) {
  std::vector<ProfileRecord> records;
  const int64_t last = static_cast<int64_t>(stored.size()) - 1;  // N
  if (last < 3) return records;
  const int64_t highest = last - 2;  // the last cell a record may aim at
  // The fill reaches N - 3 by itself; a cell beyond it holding a non-zero
  // byte was reached by records (a zero byte reads the same either way).
  int64_t extent = last - 3;
  for (int64_t i = last; i > extent; --i) {
    if (stored[static_cast<size_t>(i)] != 0) {
      extent = i;
      break;
    }
  }
  auto at = [&](int64_t i) { return stored[static_cast<size_t>(i)]; };
  int64_t cursor = 0;
  uint8_t pending = before_first;
  auto emit = [&](int64_t cell, uint8_t value) {
    records.push_back({cell * 50, value});
    if (cell > 0) cursor = cursor < cell ? cell : cursor + 1;
    pending = value;
  };
  if (at(0) != pending) emit(0, at(0));
  while (cursor <= extent) {
    int64_t next = cursor + 1;
    while (next <= extent && at(next) == at(cursor)) ++next;
    if (next > extent) {
      // The last value: the closing fill writes it on to N - 3 by itself;
      // beyond that, repeats carry the cursor to the extent, and the closing
      // fill writes the cell it stands on.
      while (extent > last - 3 && cursor < extent) emit(std::min(extent, highest), pending);
      break;
    }
    // Cells cursor .. next - 1 take the pending value, and the record that
    // writes the last of them brings the next value.
    const uint8_t following = at(next);
    while (cursor < next) {
      const int64_t cell = std::min(next, highest);
      const int64_t after = cursor < cell ? cell : cursor + 1;
      emit(cell, after >= next ? following : pending);
    }
  }
  return records;
}

}  // namespace scenario
