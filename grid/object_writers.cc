// PlaceObject and what the readers place without a writer of their own:
// sign boards, code reductions, stop cells and their approach marks.
#include "grid/cell_writers.h"
#include "grid/rounding.h"

namespace scenario {

void PlaceObject(GeneratorState& state, int64_t index, uint8_t cell_type) {
  state.grid.at(index).cell_type = cell_type;
  state.observer->OnPlace(index, cell_type);
}

void PlaceSignBoard(GeneratorState& state, int64_t index, int32_t row) {
  PlaceObject(state, index, kSignBoard);
  state.grid.at(index).value_a = Low16(row);
}

void PlaceCodeReduction(GeneratorState& state, int64_t index, int32_t code) {
  if (code > 0) {
    PlaceObject(state, index, kCodeReduction);
    state.grid.at(index).value_a = Low16(code);
  } else {
    PlaceObject(state, index, kCodeZero);
  }
}

void PlaceStopCell(GeneratorState& state, int64_t index, int32_t row) {
  PlaceObject(state, index, kStationStop);
  state.grid.at(index).value_a = Low16(row);
}

void MarkStopApproach(GeneratorState& state, int32_t span_end) {
  for (int j = 1; j <= 4; ++j) {
    const int64_t offset = int64_t{span_end} - 50 * (j + 1);
    if (offset <= 50) continue;  // e / 50 - j - 1 > 1 fails
    state.grid.at(RoundDiv(offset, 50)).approach_mark = static_cast<uint8_t>(80 + j);
  }
}

}  // namespace scenario
