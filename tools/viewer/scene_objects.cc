// The lanes of lineside objects: stops from the scenario rows (told apart by
// whether the grid holds their stop cell), and signals, speed boards, sign
// boards, slowdown boards and code reductions from the grid.
#include <algorithm>
#include <string>
#include <vector>

#include "grid/rounding.h"
#include "tools/common/grid_summary.h"
#include "tools/common/row_meaning.h"
#include "tools/common/scenario_rows.h"
#include "tools/common/svg_parts.h"
#include "tools/common/text.h"
#include "tools/viewer/author_units.h"
#include "tools/viewer/scene.h"

namespace scenario::viewer {

namespace {

void AddValues(const std::vector<ShownValue>& values, Json* object) {
  for (const ShownValue& v : values) (*object)["values"].push_back({v.name, v.text});
}

Json StopLane(const SceneContext& context) {
  const ScenarioTable& table = context.folder.scenario.scenario;
  const std::vector<Cell>& cells = context.folder.grid.cells;
  // A stop with a stop cell is one where the train stops; the others are
  // passing points.
  std::vector<int64_t> stop_cell(kScenarioRowCount, -1);
  for (size_t i = 0; i < cells.size(); ++i) {
    const int row = cells[i].value_a;
    if (cells[i].cell_type == kStationStop && row >= 0 && row < kScenarioRowCount) {
      stop_cell[static_cast<size_t>(row)] = static_cast<int64_t>(i);
    }
  }
  const std::vector<RecordSource>* records = context.sources ? &context.sources->Records("stop") : nullptr;
  Json objects = Json::array();
  for (int r = kFirstStopRow; r < kFirstBoardRow; ++r) {
    if (RoleOfRow(table, r) != RowRole::kStop) continue;
    const ScenarioRow& row = table[r];
    const int64_t cell = stop_cell[static_cast<size_t>(r)];
    const bool stops_here = cell >= 0;
    Json object = SceneObject(context, stops_here ? "stop" : "passing point", row.position,
                              stops_here ? cell : RoundDiv(row.position, kCellMetres),
                              CodePageToUtf8(CompactText(row.name)));
    object["zone"] = {row.span_start, row.span_end};
    object["row"] = r;
    object["values"].push_back({"name", CodePageToUtf8(row.name)});
    AddValues(StopAuthorValues(row), &object);
    for (const NamedValue& column : NumericColumns(row)) object["raw"].push_back({column.name, column.value});
    const size_t index = static_cast<size_t>(r - kFirstStopRow);
    if (records != nullptr && index < records->size()) AddSource(&(*records)[index].where, &object);
    objects.push_back(std::move(object));
  }
  return Json{{"id", "stops"}, {"name", "stops"}, {"objects", std::move(objects)}};
}

std::string CellLabel(const ScenarioTable& table, const Cell& cell, const std::vector<ShownValue>& values) {
  switch (cell.cell_type) {
    case kSpeedBoard:
      return values.empty() ? "" : values[0].text;
    case kSignBoard:
      return cell.value_a >= 0 && cell.value_a < kScenarioRowCount
                 ? CodePageToUtf8(CompactText(table[cell.value_a].name))
                 : "";
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

Json CellLane(const SceneContext& context, const char* id, const char* name, std::vector<uint8_t> types) {
  const std::vector<Cell>& cells = context.folder.grid.cells;
  const ScenarioTable& table = context.folder.scenario.scenario;
  Json objects = Json::array();
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& cell = cells[i];
    if (std::find(types.begin(), types.end(), cell.cell_type) == types.end()) continue;
    const int64_t index = static_cast<int64_t>(i);
    const std::vector<ShownValue> values = CellAuthorValues(cell);
    std::string kind = CellTypeName(cell.cell_type);
    std::replace(kind.begin(), kind.end(), '_', ' ');
    Json object = SceneObject(context, kind, NominalPosition(cell.cell_type, index), index,
                              CellLabel(table, cell, values));
    if (cell.cell_type == kSignBoard) object["values"].push_back({"text", object["label"]});
    AddValues(values, &object);
    for (const auto& [raw_name, raw_value] : ObjectValues(cell)) object["raw"].push_back({raw_name, raw_value});
    if (context.sources != nullptr) AddSource(context.sources->Cell(index), &object);
    objects.push_back(std::move(object));
  }
  return Json{{"id", id}, {"name", name}, {"objects", std::move(objects)}};
}

}  // namespace

Json ObjectLanes(const SceneContext& context) {
  Json lanes = Json::array();
  lanes.push_back(StopLane(context));
  lanes.push_back(CellLane(context, "signals", "signals", {kSignal}));
  lanes.push_back(CellLane(context, "speed-boards", "speed boards", {kSpeedBoard}));
  lanes.push_back(CellLane(context, "sign-boards", "sign boards", {kSignBoard}));
  lanes.push_back(CellLane(context, "slowdowns", "slowdowns",
                           {kSlowdownPrewarning, kSlowdownWarning, kSlowdownStart, kSlowdownEnd}));
  lanes.push_back(CellLane(context, "code-reductions", "code reductions", {kCodeReduction, kCodeZero}));
  return lanes;
}

}  // namespace scenario::viewer
