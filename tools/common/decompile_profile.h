// A profile of the grid (gradient, speed limit, adhesion) written back as
// the records whose fill gives it. A record at position p writes the value
// before it into the cells from the fill cursor up to round(p / 50) - 1 (at
// least one cell), and the last value fills on to cell N - 3; positions
// beyond cell N - 2 fail the position guard, so a profile that reaches
// further is reached by repeating a record at N - 2, each repeat writing
// one more cell.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace scenario {

struct ProfileRecord {
  int64_t position = 0;  // metres
  uint8_t stored = 0;    // the stored byte the record's value gives
};

// `stored` holds cells 0 .. N; `before_first` is the byte a cell gets from
// the value before any record (100 for the gradient, else 0).
std::vector<ProfileRecord> ProfileRecords(std::span<const uint8_t> stored, uint8_t before_first);

}  // namespace scenario
