// memo_montagna and memo_indicatori_v_max: the two cell writers the line
// reader calls. Nothing is ever written outside cells 0 .. N.
#include <limits>
#include <string>

#include "app/error_codes.h"
#include "app/status.h"
#include "grid/cell_fields.h"
#include "grid/cell_writers.h"
#include "grid/rounding.h"

namespace scenario {

namespace {

// The packed speeds, which must fit a 16-bit field: the line reader's
// failure, not a wrap.
int16_t BoardValue(int32_t speed, int32_t count, const char* column) {
  const int64_t value = PackBoardSpeeds(count, speed);
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
    throw DescriptionFailure(std::string("the speed board's ") + column + " " +
                                 std::to_string(value) + " does not fit 16 bits",
                             TextPosition{});
  }
  return static_cast<int16_t>(value);
}

}  // namespace

void memo_montagna(GeneratorState& state, int32_t& inizio, int32_t& fine, int32_t& tipo) {
  bool markers = false;
  if (tipo > kTunnelMarkerRequest) {
    tipo -= kTunnelMarkerRequest;
    markers = true;
  }
  const int32_t n = ++state.tunnel_count;
  const size_t entries = static_cast<size_t>(n) + 1;
  if (state.tunnel_start.size() < entries) state.tunnel_start.resize(entries, 0);
  if (state.tunnel_end.size() < entries) state.tunnel_end.resize(entries, 0);
  state.tunnel_start[static_cast<size_t>(n)] = inizio;
  state.tunnel_end[static_cast<size_t>(n)] = fine;
  // The gap is measured against the previous record in reading order.
  if (n > 1 && int64_t{state.tunnel_start[static_cast<size_t>(n)]} -
                       state.tunnel_end[static_cast<size_t>(n) - 1] <=
                   kJoinedTunnelGap) {
    tipo = kJoinedTunnelKind;
    state.observer->OnRuleApplied(AppliedRule::kTunnelGap);
  }
  const int64_t first = RoundDiv(inizio, 50);
  const int64_t last = RoundDiv(int64_t{fine} - 50, 50);  // round(fine / 50 - 1)
  // Cells outside the grid are skipped but still counted for the markers,
  // which go into every fourth cell of the span.
  const int64_t from = first > 0 ? first : 0;
  const int64_t to = last < state.grid.last_index() ? last : state.grid.last_index();
  for (int64_t c = from; c <= to; ++c) {
    Cell& cell = state.grid.at(c);
    cell.tunnel_kind = Low8(tipo);
    const int64_t count = c - first + 1;
    if (markers && count % 4 == 0 && cell.cell_type == kEmpty) PlaceObject(state, c, kTunnelMarker);
  }
}

void memo_indicatori_v_max(GeneratorState& state, int32_t posizione, int32_t& vas, int32_t& vbs,
                           int32_t& vcs, int32_t& strisces, int32_t& vad, int32_t& vbd,
                           int32_t& vcd, int32_t& strisced) {
  const int64_t c = RoundDiv(int64_t{posizione} + 50, 50);  // round(posizione / 50 + 1)
  // A cell outside the grid counts as not free; the reader refuses such a
  // record before it gets here.
  if (!state.grid.IsFree(c)) {
    state.SetError(kErrorSpeedBoardCell);
    return;
  }
  PlaceObject(state, c, kSpeedBoard);
  Cell& cell = state.grid.at(c);
  // Each value is stored as soon as it is known: a value that does not fit
  // leaves the ones before it stored.
  cell.value_a = BoardValue(vad, vas, "value_a");
  cell.value_b = BoardValue(vbd, vbs, "value_b");
  cell.value_c = BoardValue(vcd, vcs, "value_c");
  cell.value_d = PackDigitPair(strisces, strisced);
}

}  // namespace scenario
