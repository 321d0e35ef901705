// Stored values shown as the author wrote them: a speed board's three speeds
// in km/h and its stripes, a signal's written fields, a stop row's fields
// under their names in the stop record, a curve's class and radius.
//
// The viewer asks only these functions for author units, so that one shared
// set of them can take their place in one line each.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "grid/cell.h"
#include "records/scenario_table.h"

namespace scenario::viewer {

struct ShownValue {
  std::string name;
  std::string text;  // the value with its unit, as an author reads it
};

// The values of a grid object in author units; empty for cells without any.
std::vector<ShownValue> CellAuthorValues(const Cell& cell);

// A stop row's fields, named and ordered as in the stop record.
std::vector<ShownValue> StopAuthorValues(const ScenarioRow& row);

// Curve classes 1 to 6 and the turn per metre each fixes.
inline constexpr double kCurveTurns[6] = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};

// The class whose turn per metre is nearest to |turn| (within 5 %); nullopt
// for a turn no class gives.
std::optional<int> CurveClassOfTurn(double turn_per_metre);
// 1 / turn, rounded to whole metres: 10000 m for class 1, 333 m for class 6.
int CurveRadius(int curve_class);

}  // namespace scenario::viewer
