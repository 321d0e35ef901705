// The lanes along the track itself: curves (stretches of changing heading in
// the route file, with class and radius), tunnels (tunnel kind stretches of
// the grid) and the gradient, speed limit and adhesion steps of the grid.
#include <cmath>
#include <cstdlib>
#include <string>

#include "grid/rounding.h"
#include "tools/common/grid_summary.h"
#include "tools/common/route_summary.h"
#include "tools/viewer/author_units.h"
#include "tools/viewer/scene.h"

namespace scenario::viewer {

namespace {

std::string Fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

const RecordSource* CurveRecord(const SceneContext& context, int64_t start_row) {
  if (context.sources == nullptr) return nullptr;
  for (const RecordSource& record : context.sources->Records("curve")) {
    if (std::llabs(record.Number(0) - start_row) <= 1) return &record;
  }
  return nullptr;
}

// The record of a profile kind whose value starts at the cell: a profile
// record's value begins at cell round(position / 50). The last one there
// wins, as it does in the grid.
const RecordSource* StepRecord(const SceneContext& context, const char* kind, int64_t first_cell) {
  if (context.sources == nullptr) return nullptr;
  const RecordSource* found = nullptr;
  for (const RecordSource& record : context.sources->Records(kind)) {
    if (RoundDiv(record.Number(0), kCellMetres) == first_cell) found = &record;
  }
  return found;
}

}  // namespace

Json CurveLane(const SceneContext& context) {
  Json objects = Json::array();
  for (const RouteCurve& curve : SummariseRoute(context.folder.route.route).curves) {
    const std::optional<int> curve_class = CurveClassOfTurn(curve.turn_per_metre);
    const bool left = curve.turn_degrees < 0;
    std::string label = curve_class ? "R " + std::to_string(CurveRadius(*curve_class)) + " m" : "curve";
    Json object = SceneObject(context, "curve", curve.start_row, RoundDiv(curve.start_row, kCellMetres), label);
    object["end"] = curve.end_row;
    object["hand"] = left ? "left" : "right";
    if (curve_class) {
      object["values"].push_back({"class", std::to_string(*curve_class)});
      object["values"].push_back({"radius", std::to_string(CurveRadius(*curve_class)) + " m"});
    }
    object["values"].push_back({"hand", left ? "left" : "right"});
    object["values"].push_back({"length", std::to_string(curve.end_row - curve.start_row) + " m"});
    object["values"].push_back({"turn", Fixed(curve.turn_degrees, 2) + " degrees"});
    object["raw"].push_back({"turn_per_metre", curve.turn_per_metre});
    object["raw"].push_back({"turn_degrees", curve.turn_degrees});
    if (const RecordSource* record = CurveRecord(context, curve.start_row)) AddSource(&record->where, &object);
    objects.push_back(std::move(object));
  }
  return Json{{"id", "curves"}, {"name", "curves"}, {"objects", std::move(objects)}};
}

Json TunnelLane(const SceneContext& context) {
  Json objects = Json::array();
  for (const Stretch& s : ProfileStretches(context.folder.grid.cells, Profile::kTunnelKind)) {
    if (s.stored == 0) continue;
    const int64_t from = s.first_cell * kCellMetres, to = (s.last_cell + 1) * kCellMetres;
    Json object = SceneObject(context, "tunnel", from, s.first_cell, "tunnel");
    object["end"] = to;
    object["values"].push_back({"kind", std::to_string(s.stored)});
    object["values"].push_back({"length", std::to_string(to - from) + " m"});
    object["raw"].push_back({"tunnel_kind", s.stored});
    object["raw"].push_back({"first_cell", s.first_cell});
    object["raw"].push_back({"last_cell", s.last_cell});
    if (context.sources != nullptr) {
      for (const RecordSource& record : context.sources->Records("tunnel")) {
        if (RoundDiv(record.Number(0), kCellMetres) == s.first_cell) AddSource(&record.where, &object);
      }
    }
    objects.push_back(std::move(object));
  }
  return Json{{"id", "tunnels"}, {"name", "tunnels"}, {"objects", std::move(objects)}};
}

Json ProfileLanes(const SceneContext& context, int64_t extent) {
  struct Lane {
    Profile profile;
    const char* id;
    const char* name;
    const char* unit;
    const char* record_kind;
  };
  const Lane lanes[] = {
      {Profile::kGradient, "gradient", "gradient", "‰", "gradient"},
      {Profile::kSpeedLimit, "speed-limit", "speed limit", "km/h", "speed limit"},
      {Profile::kAdhesion, "adhesion", "adhesion", "", "adhesion"},
  };
  Json profiles = Json::array();
  for (const Lane& lane : lanes) {
    Json steps = Json::array();
    for (const Stretch& s : ProfileStretches(context.folder.grid.cells, lane.profile)) {
      const int64_t from = s.first_cell * kCellMetres;
      if (from >= extent) break;
      Json step = {{"from", from},
                   {"to", std::min((s.last_cell + 1) * kCellMetres, extent)},
                   {"first_cell", s.first_cell},
                   {"last_cell", s.last_cell},
                   {"value", ProfileValue(s.stored, lane.profile)},
                   {"stored", s.stored},
                   {"chainage", FormatChainage(context.chainage.At(from))}};
      if (const RecordSource* record = StepRecord(context, lane.record_kind, s.first_cell)) {
        AddSource(&record->where, &step);
      }
      steps.push_back(std::move(step));
    }
    profiles.push_back({{"id", lane.id}, {"name", lane.name}, {"unit", lane.unit}, {"steps", std::move(steps)}});
  }
  return profiles;
}

}  // namespace scenario::viewer
