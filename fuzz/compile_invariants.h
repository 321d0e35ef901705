// What must hold after any compile, whatever the description texts said:
// the tables sized by a route length that was read, no cell type outside the
// known ones, an error code from the known set that agrees with its position,
// the sign-board rows and the stop rows apart, the stamps where the guards
// allow them, and files whose sizes follow from the tables.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "fuzz/compile_in_memory.h"
#include "grid/rounding.h"
#include "records/check_codes.h"

namespace scenario::fuzzing {

class InvariantReport {
 public:
  void Expect(bool holds, const std::string& what) {
    if (!holds) broken.push_back(what);
  }
  std::vector<std::string> broken;
};

inline bool IsKnownCellType(uint8_t type) { return type <= 6 || (type >= 10 && type <= 14); }

inline bool IsKnownErrorCode(int32_t code) {
  static const std::set<int32_t> kCodes = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,   10,  11, 12,
                                           13, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 102, 103};
  return kCodes.count(code) != 0;
}

inline bool SameRow(const ScenarioRow& a, const ScenarioRow& b) {
  return a.kind == b.kind && a.span_start == b.span_start && a.span_end == b.span_end &&
         a.position == b.position && a.tps == b.tps && a.name == b.name &&
         a.first_d2 == b.first_d2 && a.first_d3 == b.first_d3 && a.second_d1 == b.second_d1 &&
         a.second_d2 == b.second_d2 && a.second_d3 == b.second_d3 && a.rap == b.rap &&
         a.ac == b.ac && a.mar == b.mar && a.tab == b.tab && a.scheduled_time == b.scheduled_time;
}

inline bool OnlyNamed(const ScenarioRow& row) {
  ScenarioRow blank;
  blank.name = row.name;
  return SameRow(row, blank);
}

inline void CheckTexts(const CompileRun& run, InvariantReport& report) {
  const int32_t code = run.state.error_code;
  report.Expect(run.source.line_deleted, "the line description was not deleted");
  // The train description stays only when the line reader ended the step.
  static const std::set<int32_t> kLineEnds = {1, 3, 4, 5, 6, 21, 102, 103};
  report.Expect(run.source.train_deleted || kLineEnds.count(code) != 0,
                "the train description was left with error code " + std::to_string(code));
}

inline void CheckSizing(const CompileRun& run, InvariantReport& report) {
  const GeneratorState& state = run.state;
  if (!run.sized) {
    static const std::set<int32_t> kUnsizedCodes = {1, 3, 4, 5, 25, 102};
    report.Expect(kUnsizedCodes.count(state.error_code) != 0,
                  "no tables, yet error code " + std::to_string(state.error_code));
    return;
  }
  const std::vector<int32_t>& lengths = run.watch.route_lengths;
  int64_t length = -1;
  for (int32_t value : lengths) {
    if (value >= 0 && value <= 1000000) length = value;
  }
  report.Expect(length >= 0, "the tables are sized, yet no route length was read");
  if (length < 0) return;
  report.Expect(state.grid.cell_count() == RoundDiv(length + 7000, 50) + 1,
                "grid of " + std::to_string(state.grid.cell_count()) + " cells for L = " +
                    std::to_string(length));
  if (state.build_route_table != 0) {
    report.Expect(state.route.last_row() == length + 7000,
                  "route table to row " + std::to_string(state.route.last_row()) +
                      " for L = " + std::to_string(length));
  }
  for (const Cell& cell : state.grid.cells()) {
    if (!IsKnownCellType(cell.cell_type)) {
      report.Expect(false, "cell type " + std::to_string(cell.cell_type));
      break;
    }
  }
}

// The cell a code names must still be taken; positions of the completion
// pass are cell indices times 50.
inline void CheckErrorCode(const CompileRun& run, InvariantReport& report) {
  const GeneratorState& state = run.state;
  const int32_t code = state.error_code;
  const int64_t p = state.error_position;
  report.Expect(IsKnownErrorCode(code), "unknown error code " + std::to_string(code));
  if (!run.sized) return;
  const TrackGrid& grid = state.grid;
  auto taken = [&](int64_t cell) { return grid.Contains(cell) && !grid.IsFree(cell); };
  const std::string at = "error " + std::to_string(code) + " at " + std::to_string(p);
  switch (code) {
    case 6:
    case 16:
    case 21:
      report.Expect(taken(RoundDiv(p + 50, 50)), at + ": its cell is free");
      break;
    case 7:
      report.Expect(taken(RoundDiv(p, 50)), at + ": its cell is free");
      break;
    case 18:
      report.Expect(taken(RoundDiv(p + 50, 50)), at + ": the start cell is free");
      break;
    case 17:
      report.Expect(taken(RoundDiv(p - 1200 + 50, 50)), at + ": the warning cell is free");
      break;
    case 8:
      report.Expect(p % 50 != 0, at + ": the stop position is a multiple of 50");
      break;
    case 9:
    case 22:
      report.Expect(p % 50 == 0, at + ": the stop position is not a multiple of 50");
      break;
    case 11:
    case 12:
    case 13:
      report.Expect(p % 50 == 0 && p >= 0 && p <= 50 * grid.last_index(),
                    at + ": not a cell of the grid");
      break;
    default:
      break;
  }
}

// Sign texts fill rows 80 down to F + 1, stops rows 1 up to F at most.
inline void CheckRows(const CompileRun& run, InvariantReport& report) {
  const GeneratorState& state = run.state;
  const ReaderWatch::LineRows& line = *run.watch.line_rows;
  const int32_t f = line.board_row_cursor;
  report.Expect(f >= 0 && f <= kFirstBoardRow, "board row cursor " + std::to_string(f));
  report.Expect(state.board_row_cursor == f, "the train reader moved the board row cursor");
  if (f < 0 || f > kFirstBoardRow) return;
  const ScenarioRow reset;
  for (int k = 0; k <= kFirstBoardRow; ++k) {
    const ScenarioRow& before = line.table[k];
    if (k > f) {
      report.Expect(OnlyNamed(before), "board row " + std::to_string(k) + " holds numbers");
      report.Expect(SameRow(state.scenario[k], before),
                    "board row " + std::to_string(k) + " changed after the line reader");
    } else {
      report.Expect(SameRow(before, reset), "row " + std::to_string(k) + " filled by the line reader");
    }
  }
  const int stops = std::min(run.watch.stop_records, f);
  for (int k = stops + 1; k <= f; ++k) {
    report.Expect(SameRow(state.scenario[k], reset), "row " + std::to_string(k) + " beyond the stops");
  }
  report.Expect(SameRow(state.scenario[0], reset), "row 0 was written");
  for (int k : {kChainageRow3, kChainageRow2, kChainageRow1}) {
    report.Expect(SameRow(state.scenario[k], line.table[k]), "the train reader changed row " + std::to_string(k));
  }
  if (!run.sized) return;
  std::set<int16_t> board_cells;
  for (const Cell& cell : state.grid.cells()) {
    if (cell.cell_type == kSignBoard) {
      report.Expect(cell.value_a > f && cell.value_a <= kFirstBoardRow,
                    "a sign board names row " + std::to_string(cell.value_a));
      report.Expect(board_cells.insert(cell.value_a).second,
                    "two sign boards name row " + std::to_string(cell.value_a));
    }
    if (cell.cell_type == kStationStop) {
      report.Expect(cell.value_a >= 1 && cell.value_a <= stops,
                    "a stop cell names row " + std::to_string(cell.value_a));
    }
  }
}

// Every stop row the train reader went on from obeys the stop rules: its
// position a multiple of 50, its zone as its kind makes it, the first row
// without mar and tab, 350 m at least from the zone before, and its stop cell
// in the grid.
inline void CheckStopRows(const CompileRun& run, InvariantReport& report) {
  const GeneratorState& state = run.state;
  const int rows = std::min(run.watch.stop_records, run.watch.line_rows->board_row_cursor);
  for (int k = 1; k < rows; ++k) {
    const ScenarioRow& row = state.scenario[k];
    const std::string which = "stop row " + std::to_string(k) + ": ";
    const int64_t p = row.position, start = row.span_start, end = row.span_end;
    report.Expect(p % 50 == 0, which + "position " + std::to_string(p));
    if (row.kind == 5 || row.kind == 6) {
      report.Expect(end == p + 150 && row.mar == 0, which + "zone of kind 5 or 6");
    } else if (row.kind == 7 || row.kind == 8) {
      report.Expect(end - p == p - start && row.mar == 0, which + "zone of kind 7 or 8");
    } else {
      // The first row's mar is cleared after its zone has been made.
      const int64_t extra = start + end - 2 * p;
      report.Expect(extra == (row.mar != 0 ? 50 : 0) || (k == 1 && extra == 50),
                    which + "zone not centred");
    }
    if (k == 1) report.Expect(row.mar == 0 && row.tab == 0, which + "mar or tab kept");
    if (k > 1) {
      report.Expect(start - 350 >= state.scenario[k - 1].span_end, which + "closer than 350 m");
    }
    // The last row may have been refused (code 22) after its stop cell was
    // written, over this one's.
    if (row.kind < 25 && run.sized) {
      const int64_t cell = RoundDiv(end - 50, 50);
      report.Expect(state.grid.Contains(cell) && state.grid.at(cell).cell_type == kStationStop &&
                        (state.grid.at(cell).value_a == k || state.grid.at(cell).value_a == rows),
                    which + "no stop cell");
    }
  }
}

inline void CheckStampAndFiles(const CompileRun& run, InvariantReport& report) {
  if (!run.sized) return;
  const GeneratorState& state = run.state;
  const Cell& before = run.cell1_before_stamp;
  const int32_t expected_fatal = before.value_a != 0 ? 1250 : before.value_b != 0 ? 1251 : 0;
  report.Expect(run.fatal == expected_fatal, "fatal " + std::to_string(run.fatal) + ", cell 1 held " +
                                                 std::to_string(before.value_a) + " / " +
                                                 std::to_string(before.value_b));
  if (run.fatal != 0) return;
  report.Expect(state.grid.at(1).value_a == 5121 && state.scenario[kRouteRow].first_d2 == 610,
                "format marks missing");
  report.Expect(state.grid.at(1).value_b == codice_gara_og(state.scenario) &&
                    state.scenario[kRouteRow].scheduled_time == codice_gara_st(state.scenario),
                "check codes missing");
  report.Expect(run.grid_file.size() == 15 * state.grid.cells().size(),
                "grid file of " + std::to_string(run.grid_file.size()) + " bytes");
  size_t names = 0;
  for (const ScenarioRow& row : state.scenario.rows) names += row.name.size();
  report.Expect(run.scenario_file.size() == 2958 + names,
                "scenario file of " + std::to_string(run.scenario_file.size()) + " bytes");
  if (state.build_route_table == 0) return;
  size_t route_bytes = 0;
  bool known_kinds = true;
  for (int64_t row = 0; row <= state.route.last_row(); ++row) {
    switch (state.route.KindAt(row)) {
      case RouteTable::kEmpty: route_bytes += 2 * 2; break;
      case RouteTable::kInt16: route_bytes += 2 * 4; break;
      case RouteTable::kReal: route_bytes += 2 * 10; break;
      default: known_kinds = false;
    }
  }
  report.Expect(known_kinds, "a route element of unknown kind");
  report.Expect(run.route_file_size == route_bytes,
                "route file of " + std::to_string(run.route_file_size) + " bytes, tags say " +
                    std::to_string(route_bytes));
}

inline std::vector<std::string> BrokenInvariants(const CompileRun& run) {
  InvariantReport report;
  CheckTexts(run, report);
  CheckSizing(run, report);
  CheckErrorCode(run, report);
  CheckRows(run, report);
  CheckStopRows(run, report);
  CheckStampAndFiles(run, report);
  return report.broken;
}

}  // namespace scenario::fuzzing
