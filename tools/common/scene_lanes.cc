// The lanes of lineside objects: stops from the scenario rows (told apart by
// whether the grid holds their stop cell), and signals, speed boards, sign
// boards, slowdown boards and code reductions from the grid, each with the
// label both views show.
#include <algorithm>
#include <string>
#include <vector>

#include "grid/rounding.h"
#include "tools/common/author_text.h"
#include "tools/common/scenario_rows.h"
#include "tools/common/scene.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

// A name from the scenario rows, compacted, as a label.
void SetNameLabel(std::string_view name, SceneObject* object) {
  const std::string compact = CompactText(name);
  object->label = CodePageToUtf8(compact);
  object->label_characters = compact.size();
}

std::string CellLabel(const Cell& cell) {
  switch (cell.cell_type) {
    case kSpeedBoard:
      return ValueWithUnit(SpeedBoardAsWritten(cell).front());
    case kSlowdownStart:
    case kSlowdownWarning:
      return std::to_string(cell.value_a) + " km/h";
    case kCodeReduction:
      return std::to_string(cell.value_a);
    case kCodeZero:
      return "0";
    default:
      return "";
  }
}

}  // namespace

SceneLane StopLane(const ScenarioFolder& f, const Chainage& chainage) {
  const ScenarioTable& table = f.scenario.scenario;
  const std::vector<Cell>& cells = f.grid.cells;
  // A stop with a stop cell is one where the train stops; the others are
  // passing points.
  std::vector<int64_t> stop_cell(kScenarioRowCount, -1);
  for (size_t i = 0; i < cells.size(); ++i) {
    const int row = cells[i].value_a;
    if (cells[i].cell_type == kStationStop && row >= 0 && row < kScenarioRowCount) {
      stop_cell[static_cast<size_t>(row)] = static_cast<int64_t>(i);
    }
  }
  SceneLane lane{"stops", "stops", {}};
  for (int r = kFirstStopRow; r < kFirstBoardRow; ++r) {
    if (RoleOfRow(table, r) != RowRole::kStop) continue;
    const ScenarioRow& row = table[r];
    const int64_t cell = stop_cell[static_cast<size_t>(r)];
    SceneObject object = PlacedObject(cell >= 0 ? "stop" : "passing point", row.position, row.position,
                                      cell >= 0 ? cell : RoundDiv(row.position, kCellMetres), chainage);
    SetNameLabel(row.name, &object);
    object.row = r;
    lane.objects.push_back(std::move(object));
  }
  return lane;
}

SceneLane CellLane(const ScenarioFolder& f, const Chainage& chainage, std::string_view id, std::string_view name,
                   std::initializer_list<uint8_t> types) {
  const ScenarioTable& table = f.scenario.scenario;
  SceneLane lane{id, name, {}};
  for (size_t i = 0; i < f.grid.cells.size(); ++i) {
    const Cell& cell = f.grid.cells[i];
    if (std::find(types.begin(), types.end(), cell.cell_type) == types.end()) continue;
    const int64_t index = static_cast<int64_t>(i);
    const int64_t at = NominalPosition(cell.cell_type, index);
    std::string kind = CellTypeName(cell.cell_type);
    std::replace(kind.begin(), kind.end(), '_', ' ');
    SceneObject object = PlacedObject(std::move(kind), at, at, index, chainage);
    object.label = CellLabel(cell);
    object.cell_type = cell.cell_type;
    object.label_characters = object.label.size();
    if (cell.cell_type == kSignBoard && cell.value_a >= 0 && cell.value_a < kScenarioRowCount) {
      object.row = cell.value_a;
      SetNameLabel(table[cell.value_a].name, &object);
    }
    lane.objects.push_back(std::move(object));
  }
  return lane;
}

}  // namespace scenario
