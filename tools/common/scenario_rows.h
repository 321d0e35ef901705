// The roles of the scenario table's rows, as a reader of a compiled file
// finds them: row 0 spare, stop rows from row 1 upward, sign-board rows from
// row 80 downward, chainage rows 81 to 83, run row 84, route row 85, train
// row 86.
#pragma once

#include "records/scenario_table.h"

namespace scenario {

enum class RowRole { kSpare, kStop, kSignBoard, kUnused, kChainage, kRun, kRoute, kTrain };

// "spare", "stop", "sign board", "unused", "chainage", "run", "route", "train".
const char* RowRoleName(RowRole role);

// True when every column still holds its reset value.
bool RowIsEmpty(const ScenarioRow& row);

// The number of sign-board rows: the unbroken run of filled rows from row 80
// downward. The row just below the last board is always left empty (the
// train reader stops before its stops reach it), so a stop row never joins
// this run.
int SignBoardCount(const ScenarioTable& table);

// The role of row `index` (0 .. 86). A filled row of 1 .. 79 below the
// sign-board run is a stop row; an empty one is unused.
RowRole RoleOfRow(const ScenarioTable& table, int index);

}  // namespace scenario
