// The page's lanes of lineside objects: each stop and grid object of the
// scene with its values as the author wrote them, each value with its unit
// in one text, its raw values and the record that made it.
#include <string>
#include <utility>
#include <vector>

#include "tools/common/author_text.h"
#include "tools/common/row_meaning.h"
#include "tools/common/text.h"
#include "tools/viewer/scene.h"

namespace scenario::viewer {

namespace {

void AddValue(std::string name, std::string text, Json* object) {
  (*object)["values"].push_back({std::move(name), std::move(text)});
}

// A grid object's values in author units; none for cells without any.
void AddCellValues(const Cell& cell, Json* object) {
  // A code zero has no value stored, and is code 0 to its author.
  if (cell.cell_type == kCodeZero) return AddValue("code", "0", object);
  for (const AuthorValue& value : CellAsWritten(cell)) {
    // The row of a sign or stop and the pre-warning's second number are the
    // compile's, not the author's.
    if (value.name == "scenario_row" || value.name == "board_with_d_v") continue;
    AddValue(value.name, ValueWithUnit(value), object);
  }
}

// A stop row's fields, named and ordered as in the stop record.
void AddStopValues(const ScenarioRow& row, Json* object) {
  for (const AuthorValue& value : StopAsWritten(row)) {
    if (value.group == "time") continue;
    // The d values are named with their group: d2 and d3 stand in both.
    const bool grouped = value.name.size() == 2 && value.name[0] == 'd';
    AddValue((grouped ? value.group + " " : "") + value.name, ValueWithUnit(value), object);
    if (value.name == "kind") {
      AddValue("zone", std::to_string(row.span_start) + " .. " + std::to_string(row.span_end) + " m", object);
    }
  }
  AddValue("time", row.scheduled_time == 0 ? "none" : ClockText(row.scheduled_time), object);
}

}  // namespace

Json LaneJson(const SceneLane& lane, Json objects) {
  return Json{{"id", std::string(lane.id)}, {"name", std::string(lane.name)}, {"objects", std::move(objects)}};
}

Json StopLaneJson(const SceneContext& context, const SceneLane& lane) {
  const ScenarioTable& table = context.scene.folder->scenario.scenario;
  const std::vector<RecordSource>* records = context.sources ? &context.sources->Records("stop") : nullptr;
  Json objects = Json::array();
  for (const SceneObject& stop : lane.objects) {
    const ScenarioRow& row = table[stop.row];
    Json object = ObjectJson(stop);
    object["zone"] = {row.span_start, row.span_end};
    object["row"] = stop.row;
    AddValue("name", CodePageToUtf8(row.name), &object);
    AddStopValues(row, &object);
    for (const NamedValue& column : NumericColumns(row)) object["raw"].push_back({column.name, column.value});
    const size_t index = static_cast<size_t>(stop.row - kFirstStopRow);
    if (records != nullptr && index < records->size()) AddSource(&(*records)[index].where, &object);
    objects.push_back(std::move(object));
  }
  return LaneJson(lane, std::move(objects));
}

Json CellLaneJson(const SceneContext& context, const SceneLane& lane) {
  const std::vector<Cell>& cells = context.scene.folder->grid.cells;
  Json objects = Json::array();
  for (const SceneObject& placed : lane.objects) {
    const Cell& cell = cells[static_cast<size_t>(placed.cell)];
    Json object = ObjectJson(placed);
    if (cell.cell_type == kSignBoard) AddValue("text", placed.label, &object);
    AddCellValues(cell, &object);
    for (const auto& [raw_name, raw_value] : ObjectValues(cell)) object["raw"].push_back({raw_name, raw_value});
    if (context.sources != nullptr) AddSource(context.sources->Cell(placed.cell), &object);
    objects.push_back(std::move(object));
  }
  return LaneJson(lane, std::move(objects));
}

}  // namespace scenario::viewer
