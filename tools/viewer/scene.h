// The scene the page draws: every object of a compiled scenario with its
// route position, chainage, cell, values in author units and raw values, and
// (for scenario-compile) the description line that made it, as one JSON
// document. The plan of the track is not in it: the page asks for the part
// it shows (plan_points.h).
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "tools/common/chainage.h"
#include "tools/common/scenario_folder.h"
#include "tools/viewer/source_index.h"

namespace scenario::viewer {

using Json = nlohmann::ordered_json;

// What every object of the scene is built from.
struct SceneContext {
  const ScenarioFolder& folder;
  const SourceIndex* sources;  // null: compiled files alone
  Chainage chainage;
};

// The route positions the profile lanes reach: the route's end, or further
// when an object or a stop zone stands beyond it, never past the grid.
int64_t SceneExtent(const ScenarioFolder& folder);

// One object: kind, at (m), cell, chainage, label, values, raw, source.
Json SceneObject(const SceneContext& context, std::string kind, int64_t at, int64_t cell,
                 std::string label);
void AddSource(const SourceRef* source, Json* object);

// The lanes of lineside objects (stops, signals, boards, slowdowns, code
// reductions), from the grid and the scenario rows.
Json ObjectLanes(const SceneContext& context);
// Curves (from the route file) and tunnels (from the grid) as lanes.
Json CurveLane(const SceneContext& context);
Json TunnelLane(const SceneContext& context);
// Gradient, speed limit and adhesion as steps.
Json ProfileLanes(const SceneContext& context, int64_t extent);

// The whole scene.
Json SceneJson(const ScenarioFolder& folder, const SourceIndex* sources);

}  // namespace scenario::viewer
