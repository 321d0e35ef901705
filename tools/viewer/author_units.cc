#include "tools/viewer/author_units.h"

#include <cmath>

#include "descriptions/keywords.h"
#include "tools/common/author_units.h"
#include "tools/common/text.h"

namespace scenario::viewer {

namespace {

std::string Text(const AuthorValue& value) {
  return std::to_string(value.value) + (value.unit.empty() ? "" : " " + value.unit);
}

}  // namespace

std::vector<ShownValue> CellAuthorValues(const Cell& cell) {
  // A code zero has no value stored, and is code 0 to its author.
  if (cell.cell_type == kCodeZero) return {{"code", "0"}};
  std::vector<ShownValue> out;
  for (const AuthorValue& value : CellAsWritten(cell)) {
    // The row of a sign or stop and the pre-warning's second number are the
    // compile's, not the author's.
    if (value.name == "scenario_row" || value.name == "board_with_d_v") continue;
    out.push_back({value.name, Text(value)});
  }
  return out;
}

std::vector<ShownValue> StopAuthorValues(const ScenarioRow& row) {
  std::vector<ShownValue> out;
  for (const AuthorValue& value : StopAsWritten(row)) {
    if (value.group == "time") continue;
    // The d values are named with their group: d2 and d3 stand in both.
    const bool grouped = value.name.size() == 2 && value.name[0] == 'd';
    out.push_back({(grouped ? value.group + " " : "") + value.name, Text(value)});
    if (value.name == "kind") {
      out.push_back({"zone", std::to_string(row.span_start) + " .. " +
                                 std::to_string(row.span_end) + " m"});
    }
  }
  out.push_back({"time", row.scheduled_time == 0 ? "none" : ClockText(row.scheduled_time)});
  return out;
}

std::optional<int> CurveClassOfTurn(double turn_per_metre) {
  const int number = CurveClassOf(turn_per_metre).number;
  return number == 0 ? std::nullopt : std::optional<int>(number);
}

int CurveRadius(int curve_class) {
  return static_cast<int>(std::lround(1.0 / kCurveClassTurns[curve_class - 1]));
}

}  // namespace scenario::viewer
