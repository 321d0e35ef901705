#include "tools/common/row_meaning.h"

#include <utility>

#include "records/check_codes.h"

namespace scenario {

namespace {

struct MeaningOfColumn {
  const char* column;
  const char* meaning;
};

// The columns the readers fill in each special row, in the order the dump
// shows them.
std::vector<MeaningOfColumn> MeaningsOfRow(int index) {
  switch (index) {
    case kChainageRow3:
    case kChainageRow2:
    case kChainageRow1:
      return {{"span_start", "section_start"}, {"span_end", "offset"}, {"position", "flag"}};
    case kRunRow:
      return {{"span_start", "braked_mass_percent"}, {"span_end", "route_length"},
              {"position", "carriages"}};
    case kRouteRow:
      return {{"span_start", "background_1"}, {"position", "background_2"},
              {"span_end", "background_3"}, {"first_d2", "format_mark"},
              {"scheduled_time", "weighted_check_code"}};
    case kTrainRow:
      return {{"span_start", "repetition_start"}, {"span_end", "repetition_end"},
              {"position", "repetition_codes"}, {"first_d2", "sand"},
              {"second_d1", "clock_hours"}, {"second_d2", "clock_minutes"},
              {"second_d3", "clock_seconds"}};
  }
  return {};
}

}  // namespace

std::vector<NamedValue> NumericColumns(const ScenarioRow& r) {
  return {{"kind", r.kind},           {"span_start", r.span_start}, {"span_end", r.span_end},
          {"position", r.position},   {"tps", r.tps},               {"first_d2", r.first_d2},
          {"first_d3", r.first_d3},   {"second_d1", r.second_d1},   {"second_d2", r.second_d2},
          {"second_d3", r.second_d3}, {"rap", r.rap},               {"ac", r.ac},
          {"mar", r.mar},             {"tab", r.tab},               {"scheduled_time", r.scheduled_time}};
}

std::vector<NamedValue> RoleMeaning(const ScenarioTable& table, int index) {
  std::vector<NamedValue> columns = NumericColumns(table[index]);
  std::vector<NamedValue> meaning;
  for (const MeaningOfColumn& m : MeaningsOfRow(index)) {
    for (const NamedValue& c : columns) {
      if (c.name == m.column) meaning.push_back({m.meaning, c.value});
    }
  }
  return meaning;
}

std::vector<std::string> ColumnsWithMeaning(int index) {
  std::vector<std::string> names;
  for (const MeaningOfColumn& m : MeaningsOfRow(index)) names.emplace_back(m.column);
  return names;
}

int32_t ExpectedWeightedCheckCode(const ScenarioTable& table) {
  return WeightedCheckCode(table[kTrainRow].name, table[kRouteRow].name);
}

}  // namespace scenario
