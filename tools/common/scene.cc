// The scene's frame, the lanes along the track itself (curves from the route
// file, tunnels from the grid) and the profile steps. The lanes of lineside
// objects are in scene_lanes.cc.
#include "tools/common/scene.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "grid/rounding.h"
#include "tools/common/author_units.h"
#include "tools/common/route_rows.h"
#include "tools/common/scenario_rows.h"

namespace scenario {

namespace {

int64_t SceneExtent(const ScenarioFolder& f) {
  int64_t extent = f.RouteLength();
  const int64_t grid_end = static_cast<int64_t>(f.grid.cells.size()) * kCellMetres;
  for (size_t i = 0; i < f.grid.cells.size(); ++i) {
    const Cell& cell = f.grid.cells[i];
    if (!cell.IsFree()) extent = std::max(extent, NominalPosition(cell.cell_type, static_cast<int64_t>(i)));
  }
  for (int row = kFirstStopRow; row < kFirstBoardRow; ++row) {
    if (RoleOfRow(f.scenario.scenario, row) == RowRole::kStop) {
      extent = std::max<int64_t>(extent, f.scenario.scenario[row].span_end);
    }
  }
  return std::max<int64_t>(1, std::min(extent, grid_end));
}

std::vector<RouteCurve> CurvesOf(const ScenarioFolder& f) {
  if (f.route.route.rows() > 0) return SummariseRoute(f.route.route).curves;
  std::vector<RouteCurve> curves;
  RouteFileRows file;
  if (!file.Open(f.route_path).ok()) return curves;
  CurveFinder finder(&curves);
  const Status read = file.ForEachRow([&](int64_t row, const RouteElement& x, const RouteElement& y) {
    finder.Add(row, IsPlanPoint(x, y), x.value, y.value);
  });
  if (!read.ok()) curves.clear();
  return curves;
}

SceneLane CurveLane(const ScenarioFolder& f, const Chainage& chainage) {
  SceneLane lane{"curves", "curves", {}};
  for (const RouteCurve& curve : CurvesOf(f)) {
    SceneObject object =
        PlacedObject("curve", curve.start_row, curve.end_row, RoundDiv(curve.start_row, kCellMetres), chainage);
    const CurveClass curve_class = CurveClassOf(curve.turn_per_metre);
    object.label = curve_class.number != 0 ? "R " + std::to_string(std::lround(curve_class.radius)) + " m" : "curve";
    object.curve = curve;
    lane.objects.push_back(std::move(object));
  }
  return lane;
}

SceneLane TunnelLane(const ScenarioFolder& f, const Chainage& chainage) {
  SceneLane lane{"tunnels", "tunnels", {}};
  for (const Stretch& s : ProfileStretches(f.grid.cells, Profile::kTunnelKind)) {
    if (s.stored == 0) continue;
    const int64_t from = s.first_cell * kCellMetres;
    SceneObject object = PlacedObject("tunnel", from, (s.last_cell + 1) * kCellMetres, s.first_cell, chainage);
    object.label = "tunnel";
    object.stretch = s;
    lane.objects.push_back(std::move(object));
  }
  return lane;
}

SceneProfile ProfileSteps(const ScenarioFolder& f, SceneProfile profile, int64_t extent) {
  for (const Stretch& s : ProfileStretches(f.grid.cells, profile.profile)) {
    if (s.first_cell * kCellMetres >= extent) break;
    profile.steps.push_back(s);
  }
  return profile;
}

}  // namespace

SceneObject PlacedObject(std::string kind, int64_t at, int64_t end, int64_t cell, const Chainage& chainage) {
  SceneObject object;
  object.kind = std::move(kind);
  object.at = at;
  object.end = end;
  object.cell = cell;
  object.chainage = chainage.At(at);
  return object;
}

std::string CompactText(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out.push_back(c);
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

const SceneLane& Scene::Lane(std::string_view id) const {
  for (const SceneLane& lane : lanes) {
    if (lane.id == id) return lane;
  }
  throw std::logic_error("the scene has no lane " + std::string(id));
}

Scene BuildScene(const ScenarioFolder& f) {
  Scene scene;
  scene.folder = &f;
  scene.length = f.RouteLength();
  scene.extent = SceneExtent(f);
  scene.chainage = Chainage(f.scenario.scenario);
  const Chainage& c = scene.chainage;
  scene.lanes.push_back(CurveLane(f, c));
  scene.lanes.push_back(TunnelLane(f, c));
  scene.lanes.push_back(StopLane(f, c));
  scene.lanes.push_back(CellLane(f, c, "signals", "signals", {kSignal}));
  scene.lanes.push_back(CellLane(f, c, "speed-boards", "speed boards", {kSpeedBoard}));
  scene.lanes.push_back(CellLane(f, c, "sign-boards", "sign boards", {kSignBoard}));
  scene.lanes.push_back(CellLane(f, c, "slowdowns", "slowdowns",
                                 {kSlowdownPrewarning, kSlowdownWarning, kSlowdownStart, kSlowdownEnd}));
  scene.lanes.push_back(CellLane(f, c, "code-reductions", "code reductions", {kCodeReduction, kCodeZero}));
  scene.profiles.push_back(ProfileSteps(f, {Profile::kGradient, "gradient", "gradient", "‰", true, {}}, scene.extent));
  scene.profiles.push_back(
      ProfileSteps(f, {Profile::kSpeedLimit, "speed-limit", "speed limit", "km/h", false, {}}, scene.extent));
  scene.profiles.push_back(ProfileSteps(f, {Profile::kAdhesion, "adhesion", "adhesion", "", false, {}}, scene.extent));
  return scene;
}

}  // namespace scenario
