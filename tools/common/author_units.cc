#include "tools/common/author_units.h"

#include <cmath>
#include <iterator>

#include "descriptions/keywords.h"
#include "tools/common/grid_summary.h"

namespace scenario {

namespace {

// Division that rounds down, so that a value packed from digit groups comes
// apart the same way whatever its sign.
int64_t Down(int64_t value, int64_t by) {
  const int64_t q = value / by;
  return (value % by != 0 && (value < 0) != (by < 0)) ? q - 1 : q;
}
int64_t Rest(int64_t value, int64_t by) { return value - Down(value, by) * by; }

// A stored board value: round(right / 5 + left * 20), so the left speed in
// fives stands in the hundreds and the right one below.
void BoardSpeeds(int16_t stored, int64_t* left, int64_t* right) {
  *left = Down(stored, 100) * 5;
  *right = Rest(stored, 100) * 5;
}

}  // namespace

std::vector<AuthorValue> SpeedBoardAsWritten(const Cell& cell) {
  int64_t vas, vad, vbs, vbd, vcs, vcd;
  BoardSpeeds(cell.value_a, &vas, &vad);
  BoardSpeeds(cell.value_b, &vbs, &vbd);
  BoardSpeeds(cell.value_c, &vcs, &vcd);
  return {{"left", "vas", vas, "km/h"},
          {"left", "vbs", vbs, "km/h"},
          {"left", "vcs", vcs, "km/h"},
          {"left", "strisces", Down(cell.value_d, 10), ""},
          {"right", "vad", vad, "km/h"},
          {"right", "vbd", vbd, "km/h"},
          {"right", "vcd", vcd, "km/h"},
          {"right", "strisced", Rest(cell.value_d, 10), ""}};
}

std::vector<AuthorValue> SignalAsWritten(const Cell& cell) {
  // value_d is rapp * 10 + sx * 3 + dx.
  const int64_t sides = Rest(cell.value_d, 10);
  return {{"left", "sx", Down(sides, 3), ""},
          {"left", "s1", Down(cell.value_a, 10), ""},
          {"left", "s2", Down(cell.value_b, 10), ""},
          {"left", "s3", Down(cell.value_c, 10), ""},
          {"left", "rapp", Down(cell.value_d, 10), ""},
          {"right", "dx", Rest(sides, 3), ""},
          {"right", "d1", Rest(cell.value_a, 10), ""},
          {"right", "d2", Rest(cell.value_b, 10), ""},
          {"right", "d3", Rest(cell.value_c, 10), ""},
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
  // The zone reaches the stop length behind the position for kinds 5 to 8,
  // and half of it for the others.
  const int64_t behind = int64_t{row.position} - row.span_start;
  const int64_t length = row.kind >= 5 && row.kind <= 8 ? behind : 2 * behind;
  const int64_t time = row.scheduled_time;
  return {{"", "position", row.position, "m"},
          {"", "kind", row.kind, ""},
          {"", "length", length, "m"},
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
          {"time", "hours", Down(time, 3600), ""},
          {"time", "minutes", Rest(Down(time, 60), 60), ""},
          {"time", "seconds", Rest(time, 60), ""}};
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
