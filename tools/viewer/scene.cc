#include "tools/viewer/scene.h"

#include <algorithm>

#include "tools/common/grid_summary.h"
#include "tools/common/route_summary.h"
#include "tools/common/scenario_rows.h"
#include "tools/common/text.h"

namespace scenario::viewer {

int64_t SceneExtent(const ScenarioFolder& f) {
  int64_t extent = f.RouteLength();
  const int64_t grid_end = static_cast<int64_t>(f.grid.cells.size()) * kCellMetres;
  for (size_t i = 0; i < f.grid.cells.size(); ++i) {
    const uint8_t type = f.grid.cells[i].cell_type;
    if (type != kEmpty && type != kTunnelMarker) {
      extent = std::max(extent, NominalPosition(type, static_cast<int64_t>(i)));
    }
  }
  for (int row = kFirstStopRow; row < kFirstBoardRow; ++row) {
    if (RoleOfRow(f.scenario.scenario, row) == RowRole::kStop) {
      extent = std::max<int64_t>(extent, f.scenario.scenario[row].span_end);
    }
  }
  return std::max<int64_t>(1, std::min(extent, grid_end));
}

Json SceneObject(const SceneContext& context, std::string kind, int64_t at, int64_t cell, std::string label) {
  return Json{{"kind", std::move(kind)},
              {"at", at},
              {"cell", cell},
              {"chainage", FormatChainage(context.chainage.At(at))},
              {"label", std::move(label)},
              {"values", Json::array()},
              {"raw", Json::array()}};
}

void AddSource(const SourceRef* source, Json* object) {
  if (source == nullptr) return;
  (*object)["source"] = {{"file", source->file}, {"line", source->line}, {"text", CodePageToUtf8(source->text)}};
}

Json SceneJson(const ScenarioFolder& folder, const SourceIndex* sources) {
  const SceneContext context{folder, sources, Chainage(folder.scenario.scenario)};
  const ScenarioTable& table = folder.scenario.scenario;
  const int64_t extent = SceneExtent(folder);

  Json chainage = Json::array();
  for (const ChainageSection& section : context.chainage.sections()) {
    Json entry = {{"row", section.row}, {"start", section.start}, {"offset", section.offset}};
    if (sources != nullptr) {
      // The rows are put in order of start, so a row is found by its start.
      for (const char* kind : {"chainage section 1", "chainage section 2", "chainage section 3"}) {
        for (const RecordSource& record : sources->Records(kind)) {
          if (record.Number(0) == section.start) AddSource(&record.where, &entry);
        }
      }
    }
    chainage.push_back(std::move(entry));
  }

  Json warnings = Json::array();
  for (const std::string& warning : folder.warnings) warnings.push_back(DisplayText(warning));

  Json lanes = Json::array();
  lanes.push_back(CurveLane(context));
  lanes.push_back(TunnelLane(context));
  for (Json& lane : ObjectLanes(context)) lanes.push_back(std::move(lane));

  return Json{{"route", CodePageToUtf8(table[kRouteRow].name)},
              {"train", CodePageToUtf8(table[kTrainRow].name)},
              {"length", folder.RouteLength()},
              {"extent", extent},
              {"cells", folder.grid.cells.size()},
              {"plan_rows", folder.route.route.rows()},
              {"warnings", std::move(warnings)},
              {"chainage", std::move(chainage)},
              {"lanes", std::move(lanes)},
              {"profiles", ProfileLanes(context, extent)}};
}

}  // namespace scenario::viewer
