// Stored values shown as the author wrote them: a speed board's three speeds
// in km/h and its stripes, a signal's written fields, a stop row's fields
// under their names in the stop record, a curve's class and radius.
//
// The values come from the shared reading-back of scenario-inspect
// (tools/common/author_units.h); these put them in the page's words, each
// value with its unit in one text.
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

// The class whose turn per metre |turn| is; nullopt for a turn no class
// gives.
std::optional<int> CurveClassOfTurn(double turn_per_metre);
// 1 / turn, rounded to whole metres: 10000 m for class 1, 333 m for class 6.
int CurveRadius(int curve_class);

}  // namespace scenario::viewer
