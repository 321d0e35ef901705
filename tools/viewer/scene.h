// The scene the page draws, as one JSON document: every object of the
// shared scene (tools/common/scene.h) with its route position, chainage,
// cell, label, values in author units and raw values, and (for
// scenario-compile) the description line that made it. The plan of the
// track is not in it: the page asks for the part it shows (plan_points.h).
#pragma once

#include <nlohmann/json.hpp>

#include "tools/common/scene.h"
#include "tools/viewer/source_index.h"

namespace scenario::viewer {

using Json = nlohmann::ordered_json;

// What every object of the JSON is built from.
struct SceneContext {
  const Scene& scene;
  const SourceIndex* sources;  // null: compiled files alone
};

// One object: kind, at (m), cell, chainage, label, values, raw.
Json ObjectJson(const SceneObject& object);
void AddSource(const SourceRef* source, Json* object);
// {"id", "name", "objects"}.
Json LaneJson(const SceneLane& lane, Json objects);

// The lanes of lineside objects (stops, signals, boards, slowdowns, code
// reductions) with their values and sources.
Json StopLaneJson(const SceneContext& context, const SceneLane& lane);
Json CellLaneJson(const SceneContext& context, const SceneLane& lane);
// Curves and tunnels.
Json CurveLaneJson(const SceneContext& context, const SceneLane& lane);
Json TunnelLaneJson(const SceneContext& context, const SceneLane& lane);
// Gradient, speed limit and adhesion as steps.
Json ProfilesJson(const SceneContext& context);

// The whole scene.
Json SceneJson(const ScenarioFolder& folder, const SourceIndex* sources);

}  // namespace scenario::viewer
