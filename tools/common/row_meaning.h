// The columns of a scenario row, raw and as their row role reads them
// (a chainage row's `span_end` is the section's offset, the route row's
// `first_d2` the format mark, and so on).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/scenario_table.h"

namespace scenario {

struct NamedValue {
  std::string name;
  int64_t value = 0;
};

// The fifteen numeric columns under their column names, in file order
// (`name` is the only one left out).
std::vector<NamedValue> NumericColumns(const ScenarioRow& row);

// What the columns mean in row `index` of its role: for the chainage, run,
// route and train rows the columns the readers fill, under the name of what
// they hold. Empty for the spare, stop, sign-board and unused rows, whose
// columns speak for themselves.
std::vector<NamedValue> RoleMeaning(const ScenarioTable& table, int index);

// The raw column names that RoleMeaning covers for row `index`.
std::vector<std::string> ColumnsWithMeaning(int index);

// The weighted check code that the names in rows 85 and 86 give.
int32_t ExpectedWeightedCheckCode(const ScenarioTable& table);

}  // namespace scenario
