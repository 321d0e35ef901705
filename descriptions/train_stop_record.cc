// The last record test: a stop of the timetable. It fills the scenario row r (its
// values stored one at a time, so a failure leaves the ones before it), marks
// the stop cell and the approach cells of stops of kind below 25, and checks
// the spacing to the stop before and the rows left for it.
#include <limits>
#include <string>

#include "app/error_codes.h"
#include "descriptions/keywords.h"
#include "descriptions/read_observer.h"
#include "descriptions/train_reading.h"
#include "grid/cell_writers.h"
#include "grid/rounding.h"

namespace scenario {

namespace {

constexpr int64_t kStopMargin = 800;
constexpr uint8_t kFirstUnmarkedKind = 25;
constexpr int32_t kLongStopFrom = 600;  // shorter stops never keep tab
constexpr int32_t kStopSpacing = 350;

// A derived value that must fit its 32-bit column.
int32_t Fit32(const TrainReading& reading, int64_t value, const char* what) {
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    reading.Throw(std::string("the stop's ") + what + " " + std::to_string(value) +
                  " does not fit 32 bits");
  }
  return static_cast<int32_t>(value);
}

void SetStopZone(const TrainReading& reading, ScenarioRow& row, int64_t length) {
  const int64_t p = row.position;
  if (row.kind == 5 || row.kind == 6) {
    row.span_end = Fit32(reading, p + 150, "zone end");
    row.span_start = Fit32(reading, p - length, "zone start");
    row.mar = 0;
  } else if (row.kind == 7 || row.kind == 8) {
    row.span_start = Fit32(reading, p - length, "zone start");
    row.span_end = Fit32(reading, p + length, "zone end");
    row.mar = 0;
  } else {
    // Centred on the position; a non-zero mar lengthens it by 50 m at its end.
    row.span_start = Fit32(reading, RoundDiv(2 * p - length, 2), "zone start");
    const int64_t extra = row.mar != 0 ? 100 : 0;
    row.span_end = Fit32(reading, RoundDiv(2 * p + length + extra, 2), "zone end");
  }
}

// The stop cell lies one cell before the zone end: round(e / 50 - 1).
int64_t StopCell(int32_t span_end) { return RoundDiv(int64_t{span_end} - 50, 50); }
// It is written only when e / 50 - 1 > 1.
bool StopCellAboveCell1(int32_t span_end) { return int64_t{span_end} - 50 > 50; }

}  // namespace

ReadOutcome ReadStop(TrainReading& reading) {
  reading.Record(kStopKeyword.kind);
  GeneratorState& state = reading.state;
  const int32_t r = reading.next_stop_row;
  // With 80 sign boards the first stop row is a board row: nothing is read
  // into it.
  if (r > state.board_row_cursor) return reading.Stop(kErrorStopRows);
  ScenarioRow& row = state.scenario[r];
  row.position = reading.Int32();
  if (!state.grid.PositionFits(row.position, kStopMargin)) return reading.Beyond(row.position);
  if (row.position % 50 != 0) return reading.Stop(kErrorStopPosition, row.position);
  row.kind = reading.Uint8();
  const int32_t length = reading.Int32();
  if (length % 100 != 0) return reading.Stop(kErrorStopLength, row.position);
  row.tps = reading.Uint8();
  row.tab = reading.Uint8();
  row.mar = reading.Uint8();
  row.first_d2 = reading.Int16();
  row.first_d3 = reading.Int16();
  row.rap = reading.Uint8();
  row.second_d1 = reading.Int16();
  row.second_d2 = reading.Int16();
  row.second_d3 = reading.Int16();
  row.ac = reading.Uint8();
  const int64_t hours = reading.Int32();
  const int64_t minutes = reading.Int32();
  const int64_t seconds = reading.Int32();
  row.scheduled_time = Fit32(reading, (hours * 60 + minutes) * 60 + seconds, "scheduled time");
  row.name = reading.Text();

  SetStopZone(reading, row, length);
  if (length < kLongStopFrom) row.tab = 0;
  if (r == kFirstStopRow) {
    row.mar = 0;
    row.tab = 0;
  }

  const bool marked = row.kind < kFirstUnmarkedKind;
  // A stop cell beyond the grid is refused like a position beyond it.
  if (marked && StopCellAboveCell1(row.span_end) && !state.grid.Contains(StopCell(row.span_end))) {
    return reading.Beyond(row.position);
  }
  if (marked && row.kind != 5 && row.kind != 6) MarkStopApproach(state, row.span_end);
  if (marked) {
    if (!StopCellAboveCell1(row.span_end)) return reading.Stop(kErrorStopZoneAtStart);
    // The stop cell replaces whatever object stood there, with no check.
    PlaceStopCell(state, StopCell(row.span_end), r);
  }
  if (r > kFirstStopRow && int64_t{row.span_start} - kStopSpacing < state.scenario[r - 1].span_end) {
    return reading.Stop(kErrorStopSpacing, row.position);
  }
  reading.next_stop_row = r + 1;
  if (reading.next_stop_row >= state.board_row_cursor) return reading.Stop(kErrorStopRows);
  return ReadOutcome::kContinue;
}

}  // namespace scenario
