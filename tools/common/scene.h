// The scene of a compiled scenario: the lanes of what stands along the route
// (curves, tunnels, stops, signals, boards, slowdowns, code reductions), each
// object with its route position, cell, chainage and label, and the profile
// steps of the grid, computed once from the files read back. The static
// picture (svg.h) and the live page's JSON (tools/viewer/scene.h) both draw
// from it; each decides only how a lane looks.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tools/common/chainage.h"
#include "tools/common/grid_summary.h"
#include "tools/common/route_summary.h"
#include "tools/common/scenario_folder.h"

namespace scenario {

struct SceneObject {
  // "stop" (the grid holds its stop cell), "passing point", "curve",
  // "tunnel", or the cell type's name in words ("speed board", "code zero").
  std::string kind;
  int64_t at = 0;   // route position, m
  int64_t end = 0;  // where a curve or tunnel ends, m; `at` for the others
  int64_t cell = 0;
  int64_t chainage = 0;  // at `at`, m
  // UTF-8, runs of blanks made single: a stop's or sign board's name, a
  // board's first speed, a slowdown's speed, a code, a curve's radius.
  std::string label;
  // The label's characters in the code page (a stop's or board's name).
  size_t label_characters = 0;
  uint8_t cell_type = 0;  // grid objects; kEmpty for the others
  // The scenario row of a stop, or of a sign board's text; -1 when the board
  // points at no row.
  int row = -1;
  RouteCurve curve;         // curves
  Stretch stretch;          // tunnels
};

struct SceneLane {
  std::string_view id;    // "curves", "tunnels", "stops", "signals", "speed-boards",
                          // "sign-boards", "slowdowns", "code-reductions"
  std::string_view name;  // "speed boards"
  std::vector<SceneObject> objects;  // in the order of the rows or cells
};

// The steps of one profile of the grid, up to the scene's extent: the last
// step ends at the extent.
struct SceneProfile {
  Profile profile;
  std::string_view id;    // "gradient", "speed-limit", "adhesion"
  std::string_view name;  // "speed limit"
  std::string_view unit;  // "‰", "km/h" or ""
  bool signed_values = false;  // drawn around a zero line
  std::vector<Stretch> steps;
};

struct Scene {
  const ScenarioFolder* folder = nullptr;
  int64_t length = 0;  // the route length
  // The route positions the lanes reach: the route's end, or further when
  // an object or a stop zone stands beyond it, never past the grid.
  int64_t extent = 1;
  Chainage chainage;
  std::vector<SceneLane> lanes;  // in the order above
  std::vector<SceneProfile> profiles;  // gradient, speed limit, adhesion

  const SceneLane& Lane(std::string_view id) const;
};

// The curves come from the decoded route file, or, when only its rows were
// loaded, from the file read again row by row (none when that fails).
Scene BuildScene(const ScenarioFolder& folder);

// Parts of BuildScene: an object with its place filled in, and the lanes of
// lineside objects (scene_lanes.cc).
SceneObject PlacedObject(std::string kind, int64_t at, int64_t end, int64_t cell, const Chainage& chainage);
SceneLane StopLane(const ScenarioFolder& folder, const Chainage& chainage);
SceneLane CellLane(const ScenarioFolder& folder, const Chainage& chainage, std::string_view id,
                   std::string_view name, std::initializer_list<uint8_t> types);

// A text with its runs of blanks made single and its ends trimmed, for a
// label (board texts are padded to fixed widths).
std::string CompactText(std::string_view text);

}  // namespace scenario
