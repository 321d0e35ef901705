// The page's lanes along the track itself: curves (with class, radius and
// hand), tunnels (with kind and length) and the gradient, speed limit and
// adhesion steps, each with the record that made it.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "grid/rounding.h"
#include "tools/common/author_units.h"
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

// The description's record kind of a profile.
const char* RecordKind(Profile profile) {
  switch (profile) {
    case Profile::kSpeedLimit: return "speed limit";
    case Profile::kGradient: return "gradient";
    case Profile::kAdhesion: return "adhesion";
    case Profile::kTunnelKind: return "tunnel";
  }
  return "";
}

}  // namespace

Json CurveLaneJson(const SceneContext& context, const SceneLane& lane) {
  Json objects = Json::array();
  for (const SceneObject& placed : lane.objects) {
    const RouteCurve& curve = placed.curve;
    const CurveClass curve_class = CurveClassOf(curve.turn_per_metre);
    const char* hand = curve.turn_degrees < 0 ? "left" : "right";
    Json object = ObjectJson(placed);
    object["end"] = placed.end;
    object["hand"] = hand;
    if (curve_class.number != 0) {
      object["values"].push_back({"class", std::to_string(curve_class.number)});
      object["values"].push_back({"radius", std::to_string(std::lround(curve_class.radius)) + " m"});
    }
    object["values"].push_back({"hand", hand});
    object["values"].push_back({"length", std::to_string(placed.end - placed.at) + " m"});
    object["values"].push_back({"turn", Fixed(curve.turn_degrees, 2) + " degrees"});
    object["raw"].push_back({"turn_per_metre", curve.turn_per_metre});
    object["raw"].push_back({"turn_degrees", curve.turn_degrees});
    if (const RecordSource* record = CurveRecord(context, curve.start_row)) AddSource(&record->where, &object);
    objects.push_back(std::move(object));
  }
  return LaneJson(lane, std::move(objects));
}

Json TunnelLaneJson(const SceneContext& context, const SceneLane& lane) {
  Json objects = Json::array();
  for (const SceneObject& tunnel : lane.objects) {
    const Stretch& s = tunnel.stretch;
    Json object = ObjectJson(tunnel);
    object["end"] = tunnel.end;
    object["values"].push_back({"kind", std::to_string(s.stored)});
    object["values"].push_back({"length", std::to_string(tunnel.end - tunnel.at) + " m"});
    object["raw"].push_back({"tunnel_kind", s.stored});
    object["raw"].push_back({"first_cell", s.first_cell});
    object["raw"].push_back({"last_cell", s.last_cell});
    if (const RecordSource* record = StepRecord(context, "tunnel", s.first_cell)) AddSource(&record->where, &object);
    objects.push_back(std::move(object));
  }
  return LaneJson(lane, std::move(objects));
}

Json ProfilesJson(const SceneContext& context) {
  const Scene& scene = context.scene;
  Json profiles = Json::array();
  for (const SceneProfile& profile : scene.profiles) {
    Json steps = Json::array();
    for (const Stretch& s : profile.steps) {
      const int64_t from = s.first_cell * kCellMetres;
      Json step = {{"from", from},
                   {"to", std::min((s.last_cell + 1) * kCellMetres, scene.extent)},
                   {"first_cell", s.first_cell},
                   {"last_cell", s.last_cell},
                   {"value", ProfileValue(s.stored, profile.profile)},
                   {"stored", s.stored},
                   {"chainage", FormatChainage(scene.chainage.At(from))}};
      if (const RecordSource* record = StepRecord(context, RecordKind(profile.profile), s.first_cell)) {
        AddSource(&record->where, &step);
      }
      steps.push_back(std::move(step));
    }
    profiles.push_back({{"id", std::string(profile.id)},
                        {"name", std::string(profile.name)},
                        {"unit", std::string(profile.unit)},
                        {"signed", profile.signed_values},
                        {"steps", std::move(steps)}});
  }
  return profiles;
}

}  // namespace scenario::viewer
