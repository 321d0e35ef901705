// memo_segnale and memo_rallentamento: the two cell writers the train reader
// calls. Both check every target cell before the first write (only the
// pre-warning block of a slowdown is checked after the boards are written).
// A cell outside 0 .. N counts as not free and of no type; nothing is ever
// written outside the grid.
#include "app/error_codes.h"
#include "grid/cell_fields.h"
#include "grid/cell_writers.h"
#include "grid/rounding.h"
#include "grid/signal_and_slowdown_cells.h"

namespace scenario {
SlowdownCells SlowdownCellsFor(int32_t x, int32_t l) {
  SlowdownCells cells;
  cells.warning = RoundDiv(int64_t{x} - 1200 + 50, 50);
  cells.start = RoundDiv(int64_t{x} + 50, 50);
  cells.end = RoundDiv(int64_t{x} + l + 50, 50);
  cells.first_prewarning = RoundDiv(int64_t{x} - 1200, 50);
  return cells;
}

bool SlowdownCellsInGrid(const TrackGrid& grid, int32_t x, int32_t l) {
  const SlowdownCells cells = SlowdownCellsFor(x, l);
  return grid.Contains(cells.start) && grid.Contains(cells.end);
}

void memo_segnale(GeneratorState& state, int32_t posizione, int32_t& sx, int32_t& s1, int32_t& s2,
                  int32_t& s3, int32_t& rapp, int32_t& dx, int32_t& d1, int32_t& d2, int32_t& d3,
                  int32_t& tempo) {
  const int64_t c = SignalCell(posizione);
  if (!state.grid.IsFree(c)) {
    state.SetError(kErrorSignalCell);
    return;
  }
  PlaceObject(state, c, kSignal);
  Cell& cell = state.grid.at(c);
  cell.value_d = PackSignalSides(rapp, sx, dx);
  cell.value_a = PackDigitPair(s1, d1);
  cell.value_b = PackDigitPair(s2, d2);
  cell.value_c = PackDigitPair(s3, d3);
  // The caller gets the raised waiting time back: it is 101 or tempo itself.
  tempo = static_cast<int32_t>(RaiseSignalTime(tempo));
  cell.signal_time = PackSignalTime(sx, tempo);
  // The approach countdown in front of the signal; marks that would fall
  // before cell 0 are left out, the signal itself stays.
  for (int k = 1; k <= 4; ++k) {
    const int64_t mark_cell = c - 2 * k;
    if (!state.grid.Contains(mark_cell)) continue;
    state.grid.at(mark_cell).approach_mark = PackSignalApproachMark(sx, dx, k);
  }
}

void memo_rallentamento(GeneratorState& state, int32_t x, int32_t& v, int32_t& l, int32_t& f_tt,
                        int32_t f_ta, int32_t& d_v) {
  TrackGrid& grid = state.grid;
  const SlowdownCells cells = SlowdownCellsFor(x, l);
  const bool has_warning = x > kSlowdownBoardsFrom;
  // Near the start of the route there is no room for the boards: neither the
  // warning nor the pre-warning block is placed.
  if (has_warning) {
    if (!grid.IsFree(cells.warning)) {
      state.SetError(kErrorWarningCell);
      return;
    }
  } else {
    f_ta = 0;
  }
  if (!grid.IsFree(cells.start)) {
    state.SetError(kErrorSlowdownStartCell);
    return;
  }
  if (!grid.IsFree(cells.end)) {
    state.SetError(kErrorSlowdownEndCell);
    return;
  }
  // The end first: when start and end share a cell, the start wins.
  PlaceObject(state, cells.end, kSlowdownEnd);
  if (d_v != 0) grid.at(cells.end).value_b = Low16(d_v);
  PlaceObject(state, cells.start, kSlowdownStart);
  if (d_v != 0) grid.at(cells.start).value_b = Low16(d_v);
  if (has_warning) {
    PlaceObject(state, cells.warning, kSlowdownWarning);
    if (d_v != 0) grid.at(cells.warning).value_b = Low16(d_v);
    grid.at(cells.warning).value_a = Low16(v);
  }
  grid.at(cells.start).value_a = Low16(v);
  grid.at(cells.end).value_a = Low16(v);
  grid.at(cells.start).value_c = Low16(f_tt);
  grid.at(cells.end).value_c = Low16(f_tt);
  if (f_ta == 0) return;
  // The pre-warning block is checked only now: on a conflict the boards
  // written above stay.
  const int64_t m = cells.first_prewarning;
  for (int64_t k = 0; k < 4; ++k) {
    if (!grid.IsFree(m - k)) {
      state.SetError(kErrorPrewarningCell);
      return;
    }
  }
  for (int64_t k = 0; k < 4; ++k) {
    PlaceObject(state, m - k, kSlowdownPrewarning);
    grid.at(m - k).value_a = Low16(k + 1);
    if (d_v != 0) grid.at(m - k).value_b = Low16(k + 1);
  }
}

}  // namespace scenario
