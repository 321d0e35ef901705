#include "tools/common/author_units.h"

#include <cmath>
#include <iterator>

#include "descriptions/keywords.h"
#include "grid/cell_fields.h"
#include "records/stop_row.h"
#include "tools/common/grid_summary.h"

namespace scenario {

std::vector<AuthorValue> SpeedBoardAsWritten(const Cell& cell) {
  const BoardSpeeds a = UnpackBoardSpeeds(cell.value_a);
  const BoardSpeeds b = UnpackBoardSpeeds(cell.value_b);
  const BoardSpeeds c = UnpackBoardSpeeds(cell.value_c);
  const DigitPair stripes = UnpackDigitPair(cell.value_d);
  return {{"left", "vas", a.left, "km/h"},
          {"left", "vbs", b.left, "km/h"},
          {"left", "vcs", c.left, "km/h"},
          {"left", "strisces", stripes.tens, ""},
          {"right", "vad", a.right, "km/h"},
          {"right", "vbd", b.right, "km/h"},
          {"right", "vcd", c.right, "km/h"},
          {"right", "strisced", stripes.units, ""}};
}

std::vector<AuthorValue> SignalAsWritten(const Cell& cell) {
  const SignalSides sides = UnpackSignalSides(cell.value_d);
  const DigitPair first = UnpackDigitPair(cell.value_a);
  const DigitPair second = UnpackDigitPair(cell.value_b);
  const DigitPair third = UnpackDigitPair(cell.value_c);
  return {{"left", "sx", sides.sx, ""},
          {"left", "s1", first.tens, ""},
          {"left", "s2", second.tens, ""},
          {"left", "s3", third.tens, ""},
          {"left", "rapp", sides.rapp, ""},
          {"right", "dx", sides.dx, ""},
          {"right", "d1", first.units, ""},
          {"right", "d2", second.units, ""},
          {"right", "d3", third.units, ""},
          {"right", "tempo", cell.signal_time, ""}};
}

std::vector<AuthorValue> CellAsWritten(const Cell& cell) {
  if (cell.cell_type == kSignal) return SignalAsWritten(cell);
  if (cell.cell_type == kSpeedBoard) return SpeedBoardAsWritten(cell);
  std::vector<AuthorValue> values;
  for (const auto& [name, value] : ObjectValues(cell)) {
    values.push_back({"", name, value, name == "v" ? "km/h" : ""});
  }
  return values;
}

std::vector<AuthorValue> StopAsWritten(const ScenarioRow& row) {
  const StopClock clock = UnpackScheduledTime(row.scheduled_time);
  return {{"", "position", row.position, "m"},
          {"", "kind", row.kind, ""},
          {"", "length", StopLengthOf(row), "m"},
          {"", "tps", row.tps, ""},
          {"", "tab", row.tab, ""},
          {"", "mar", row.mar, ""},
          {"first", "d2", row.first_d2, ""},
          {"first", "d3", row.first_d3, ""},
          {"first", "rap", row.rap, ""},
          {"second", "d1", row.second_d1, ""},
          {"second", "d2", row.second_d2, ""},
          {"second", "d3", row.second_d3, ""},
          {"second", "ac", row.ac, ""},
          {"time", "hours", clock.hours, ""},
          {"time", "minutes", clock.minutes, ""},
          {"time", "seconds", clock.seconds, ""}};
}

CurveClass CurveClassOf(double turn_per_metre) {
  CurveClass found;
  found.left = turn_per_metre < 0;
  const double turn = std::abs(turn_per_metre);
  found.radius = turn > 0 ? 1.0 / turn : 0.0;
  for (size_t i = 0; i < std::size(kCurveClassTurns); ++i) {
    // The plan's turn is measured from the rows, so it matches only nearly.
    if (std::abs(turn - kCurveClassTurns[i]) <= kCurveClassTurns[i] * 1e-3) {
      found.number = static_cast<int>(i) + 1;
      found.radius = 1.0 / kCurveClassTurns[i];
    }
  }
  return found;
}

}  // namespace scenario
