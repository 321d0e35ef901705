#include "tools/common/json.h"

#include "tools/common/author_text.h"
#include "tools/common/grid_summary.h"
#include "tools/common/route_summary.h"
#include "tools/common/row_meaning.h"
#include "tools/common/scenario_rows.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

using json = nlohmann::ordered_json;

json ScenarioJson(const ScenarioTable& table) {
  json rows = json::array();
  for (int i = 0; i < kScenarioRowCount; ++i) {
    const ScenarioRow& row = table[i];
    if (RowIsEmpty(row)) continue;
    json entry = {{"row", i}, {"role", RowRoleName(RoleOfRow(table, i))}, {"name", CodePageToUtf8(row.name)}};
    for (const NamedValue& c : NumericColumns(row)) entry[c.name] = c.value;
    if (RoleOfRow(table, i) == RowRole::kStop) entry["as_written"] = AsWrittenJson(StopAsWritten(row));
    std::vector<NamedValue> meaning = RoleMeaning(table, i);
    if (!meaning.empty()) {
      json& m = entry["meaning"] = json::object();
      for (const NamedValue& v : meaning) m[v.name] = v.value;
    }
    rows.push_back(std::move(entry));
  }
  return {{"sign_board_rows", SignBoardCount(table)},
          {"expected_weighted_check_code", ExpectedWeightedCheckCode(table)},
          {"rows", std::move(rows)}};
}

json CellJson(int64_t index, const Cell& c) {
  json cell = {{"cell", index},           {"cell_type", c.cell_type},
               {"type", CellTypeName(c.cell_type)},
               {"value_a", c.value_a},    {"value_b", c.value_b},
               {"value_c", c.value_c},    {"value_d", c.value_d},
               {"signal_time", c.signal_time}, {"approach_mark", c.approach_mark}};
  if (c.cell_type != kEmpty) cell["position"] = NominalPosition(c.cell_type, index);
  const std::vector<AuthorValue> values = CellAsWritten(c);
  if (!values.empty()) cell["as_written"] = AsWrittenJson(values);
  return cell;
}

json GridJson(const std::vector<Cell>& cells) {
  json objects = json::array();
  for (size_t i = 0; i < cells.size(); ++i) {
    if (CellIsListed(cells[i])) objects.push_back(CellJson(static_cast<int64_t>(i), cells[i]));
  }
  json grid = {{"cells", cells.size()}, {"objects", std::move(objects)}};
  if (cells.size() > 1) {
    grid["format_mark"] = cells[1].value_a;
    grid["plain_check_code"] = cells[1].value_b;
  }
  for (Profile profile : {Profile::kSpeedLimit, Profile::kGradient, Profile::kAdhesion, Profile::kTunnelKind}) {
    json list = json::array();
    for (const Stretch& s : ProfileStretches(cells, profile)) {
      if (profile == Profile::kTunnelKind && s.stored == 0) continue;
      list.push_back({{"first_cell", s.first_cell}, {"last_cell", s.last_cell},
                      {"from", s.first_cell * kCellMetres}, {"to", (s.last_cell + 1) * kCellMetres},
                      {"stored", s.stored}, {"value", ProfileValue(s.stored, profile)}});
    }
    grid[std::string(ProfileName(profile)) + "_stretches"] = std::move(list);
  }
  return grid;
}

json RouteJson(const RoutePlan& plan) {
  RouteSummary s = SummariseRoute(plan);
  json tags = json::object();
  for (const auto& [tag, count] : s.tags) tags[std::to_string(tag)] = count;
  json curves = json::array();
  for (const RouteCurve& c : s.curves) {
    const CurveClass curve = CurveClassOf(c.turn_per_metre);
    curves.push_back({{"start", c.start_row}, {"end", c.end_row}, {"turn_degrees", c.turn_degrees},
                      {"turn_per_metre", c.turn_per_metre}, {"hand", curve.left ? "left" : "right"},
                      {"class", curve.number}, {"radius", curve.radius}});
  }
  json route = {{"rows", s.rows},
                {"route_length", s.route_length},
                {"elements_by_tag", std::move(tags)},
                {"point_rows", s.point_rows},
                {"trailing_non_point_rows", s.trailing_non_point_rows},
                {"path_length", s.path_length},
                {"net_turn_degrees", s.net_turn_degrees},
                {"total_turn_degrees", s.total_turn_degrees},
                {"curves", std::move(curves)}};
  if (s.has_points) {
    route["bounding_box"] = {{"min_x", s.min_x}, {"max_x", s.max_x}, {"min_y", s.min_y}, {"max_y", s.max_y}};
  }
  return route;
}

}  // namespace

json InspectedFileToJson(const InspectedFile& file) {
  json out = {{"file", DisplayText(file.name)}, {"bytes", file.size}};
  switch (file.kind) {
    case FileKind::kScenario: out["kind"] = "scenario"; out.update(ScenarioJson(file.scenario)); break;
    case FileKind::kGrid: out["kind"] = "grid"; out.update(GridJson(file.cells)); break;
    case FileKind::kRoute: out["kind"] = "route"; out.update(RouteJson(file.route)); break;
    case FileKind::kUnknown: out["kind"] = "unknown"; break;
  }
  return out;
}

}  // namespace scenario
