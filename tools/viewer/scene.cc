#include "tools/viewer/scene.h"

#include "tools/common/text.h"

namespace scenario::viewer {

namespace {

Json LaneJson(const SceneContext& context, const SceneLane& lane) {
  if (lane.id == "curves") return CurveLaneJson(context, lane);
  if (lane.id == "tunnels") return TunnelLaneJson(context, lane);
  if (lane.id == "stops") return StopLaneJson(context, lane);
  return CellLaneJson(context, lane);
}

// The sections in order of start, each with the chainage where it begins.
Json ChainageJson(const SceneContext& context) {
  Json chainage = Json::array();
  for (const ChainageSection& section : context.scene.chainage.sections()) {
    Json entry = {{"row", section.row},
                  {"start", section.start},
                  {"offset", section.offset},
                  {"chainage", FormatChainage(section.start + section.offset)}};
    if (context.sources != nullptr) {
      // The rows are put in order of start, so a row is found by its start.
      for (const char* kind : {"chainage section 1", "chainage section 2", "chainage section 3"}) {
        for (const RecordSource& record : context.sources->Records(kind)) {
          if (record.Number(0) == section.start) AddSource(&record.where, &entry);
        }
      }
    }
    chainage.push_back(std::move(entry));
  }
  return chainage;
}

}  // namespace

Json ObjectJson(const SceneObject& object) {
  return Json{{"kind", object.kind},
              {"at", object.at},
              {"cell", object.cell},
              {"chainage", FormatChainage(object.chainage)},
              {"label", object.label},
              {"values", Json::array()},
              {"raw", Json::array()}};
}

void AddSource(const SourceRef* source, Json* object) {
  if (source == nullptr) return;
  (*object)["source"] = {{"file", source->file}, {"line", source->line}, {"text", CodePageToUtf8(source->text)}};
}

Json SceneJson(const ScenarioFolder& folder, const SourceIndex* sources) {
  const Scene scene = BuildScene(folder);
  const SceneContext context{scene, sources};
  const ScenarioTable& table = folder.scenario.scenario;

  Json warnings = Json::array();
  for (const std::string& warning : folder.warnings) warnings.push_back(DisplayText(warning));
  Json lanes = Json::array();
  for (const SceneLane& lane : scene.lanes) lanes.push_back(LaneJson(context, lane));

  return Json{{"route", CodePageToUtf8(table[kRouteRow].name)},
              {"train", CodePageToUtf8(table[kTrainRow].name)},
              {"length", scene.length},
              {"extent", scene.extent},
              {"cells", folder.grid.cells.size()},
              {"plan_rows", folder.route.route.rows()},
              {"warnings", std::move(warnings)},
              {"chainage", ChainageJson(context)},
              {"lanes", std::move(lanes)},
              {"profiles", ProfilesJson(context)}};
}

}  // namespace scenario::viewer
