#include "tools/common/scenario_rows.h"

namespace scenario {

const char* RowRoleName(RowRole role) {
  switch (role) {
    case RowRole::kSpare: return "spare";
    case RowRole::kStop: return "stop";
    case RowRole::kSignBoard: return "sign board";
    case RowRole::kUnused: return "unused";
    case RowRole::kChainage: return "chainage";
    case RowRole::kRun: return "run";
    case RowRole::kRoute: return "route";
    case RowRole::kTrain: return "train";
  }
  return "unused";
}

bool RowIsEmpty(const ScenarioRow& row) {
  return row.kind == 0 && row.span_start == 0 && row.span_end == 0 && row.position == 0 &&
         row.tps == 0 && row.name.empty() && row.first_d2 == 0 && row.first_d3 == 0 &&
         row.second_d1 == 0 && row.second_d2 == 0 && row.second_d3 == 0 && row.rap == 0 &&
         row.ac == 0 && row.mar == 0 && row.tab == 0 && row.scheduled_time == 0;
}

int SignBoardCount(const ScenarioTable& table) {
  int count = 0;
  for (int row = kFirstBoardRow; row >= kFirstStopRow && !RowIsEmpty(table[row]); --row) ++count;
  return count;
}

RowRole RoleOfRow(const ScenarioTable& table, int index) {
  if (index == kSpareRow) return RowRole::kSpare;
  if (index >= kChainageRow3 && index <= kChainageRow1) return RowRole::kChainage;
  if (index == kRunRow) return RowRole::kRun;
  if (index == kRouteRow) return RowRole::kRoute;
  if (index == kTrainRow) return RowRole::kTrain;
  if (index > kFirstBoardRow - SignBoardCount(table)) return RowRole::kSignBoard;
  return RowIsEmpty(table[index]) ? RowRole::kUnused : RowRole::kStop;
}

}  // namespace scenario
