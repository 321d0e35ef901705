// The plan of the track in the route table: every row extends the one before
// it by the step between the two rows before it, turned inside a curve. The
// table keeps the stretches; the rows are computed when the file is written.
#include <algorithm>
#include <iterator>
#include <string>

#include "app/error_codes.h"
#include "descriptions/keywords.h"
#include "descriptions/line_reading.h"

namespace scenario {

double TurnPerMetre(std::string_view field) {
  // The first class digit found, searched in the order 1 to 6, decides.
  for (size_t i = 0; i < std::size(kCurveClassTurns); ++i) {
    const char digit[] = {static_cast<char>('1' + i), '\0'};
    if (ContainsExact(field, digit)) return kCurveClassTurns[i];
  }
  return 0.0;
}

namespace {

// The plan cursor may not pass this row.
constexpr int64_t kLastPlanRow = 1000000;

// Computes the rows from the plan cursor up to `last`, straight when the
// turn is 0. The cursor may pass neither row 1000000 (error 103) nor the
// table's last row (a failure of the common path).
ReadOutcome AdvancePlan(LineReading& reading, int64_t last, double turn) {
  RouteTable& route = reading.state.route;
  route.Extend(std::min({last, route.last_row(), kLastPlanRow}), turn);
  if (route.next_row() > kLastPlanRow) return reading.Stop(kErrorCurve);
  if (route.next_row() <= last) {
    reading.Throw("the curve reaches row " + std::to_string(route.next_row()) +
                  ", beyond the route table's last row " + std::to_string(route.last_row()));
  }
  return ReadOutcome::kContinue;
}

}  // namespace

ReadOutcome ReadCurve(LineReading& reading) {
  GeneratorState& state = reading.state;
  if (state.build_route_table == 0 || !Holds(reading.field, kCurveKeyword)) {
    return ReadOutcome::kContinue;
  }
  reading.Record(kCurveKeyword.kind);
  const int32_t start = reading.Int32();
  const int32_t length = reading.Int32();
  if (!state.grid.PositionFits(start, 100)) return reading.Beyond(start);
  double turn = TurnPerMetre(reading.field);
  if (turn == 0.0) return reading.Stop(kErrorCurve);
  // An "s" anywhere makes it a left-hand curve.
  if (ContainsAnyCase(reading.field, "s")) turn = -turn;

  // Straight up to the start, then curved up to the end; a curve that
  // starts behind the cursor keeps only its part beyond it.
  if (AdvancePlan(reading, start, 0.0) == ReadOutcome::kStop) return ReadOutcome::kStop;
  return AdvancePlan(reading, int64_t{start} + length, turn);
}

}  // namespace scenario
