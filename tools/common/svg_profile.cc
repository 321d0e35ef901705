// The profile lanes: the scene's speed limit, gradient and adhesion steps as
// step lines, and its tunnels as bands (also shaded across all lanes).
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/common/svg_parts.h"

namespace scenario {

namespace {

// How the picture shows one of the scene's profiles.
struct Look {
  const char* profile;  // the scene's id, also the lane's
  const char* name;
  double height;
  int round_to;  // the range is rounded up to a multiple of this
};

double StretchStart(const Stretch& s) { return static_cast<double>(s.first_cell * kCellMetres); }
double StretchEnd(const Stretch& s, const ProfileFrame& frame) {
  return std::min<double>(static_cast<double>((s.last_cell + 1) * kCellMetres), static_cast<double>(frame.extent));
}

void DrawLane(const SceneProfile& profile, const Look& lane, double top, const ProfileFrame& frame, SvgWriter& svg) {
  int largest = 0;
  for (const Stretch& s : profile.steps) largest = std::max(largest, std::abs(ProfileValue(s.stored, profile.profile)));
  int range = std::max(lane.round_to, (largest + lane.round_to - 1) / lane.round_to * lane.round_to);
  const bool symmetric = profile.signed_values;
  double low = symmetric ? -range : 0;
  double inner_top = top + 6, inner_height = lane.height - 12;
  auto y_of = [&](double value) { return inner_top + (range - value) / (range - low) * inner_height; };

  DrawLaneFrame(top, lane.height, lane.name, frame, svg);
  svg.Open("g", {{"id", lane.profile}});
  for (double value : {static_cast<double>(range), symmetric ? 0.0 : range / 2.0, low}) {
    svg.Empty("line", {{"class", value == 0 && symmetric ? "zero-line" : "gridline"},
                       {"x1", SvgNumber(frame.left)}, {"y1", SvgNumber(y_of(value))},
                       {"x2", SvgNumber(frame.left + frame.width)}, {"y2", SvgNumber(y_of(value))}});
    svg.WithText("text", {{"class", "note"}, {"x", SvgNumber(frame.left + frame.width + 4)},
                          {"y", SvgNumber(y_of(value) + 4)}},
                 SvgNumber(value));
  }
  std::string path;
  for (const Stretch& s : profile.steps) {
    double y = y_of(ProfileValue(s.stored, profile.profile));
    path += path.empty() ? "M" + SvgNumber(frame.X(StretchStart(s))) + "," + SvgNumber(y) : " V" + SvgNumber(y);
    path += " H" + SvgNumber(frame.X(StretchEnd(s, frame)));
  }
  if (!path.empty()) svg.Empty("path", {{"class", std::string("profile ") + lane.profile}, {"d", path}});
  svg.Close("g");
}

}  // namespace

double DrawProfileLanes(const Scene& scene, double top, const ProfileFrame& frame, SvgWriter& svg) {
  constexpr Look kLooks[] = {
      {"speed-limit", "speed limit km/h", 110, 50},
      {"gradient", "gradient per mille", 110, 5},
      {"adhesion", "adhesion", 70, 10},
  };
  double y = top;
  for (const Look& look : kLooks) {
    for (const SceneProfile& profile : scene.profiles) {
      if (profile.id == look.profile) DrawLane(profile, look, y, frame, svg);
    }
    y += look.height;
  }
  constexpr double kTunnelLane = 22;
  DrawLaneFrame(y, kTunnelLane, "tunnels", frame, svg);
  svg.Open("g", {{"id", "tunnels"}});
  for (const SceneObject& tunnel : scene.Lane("tunnels").objects) {
    const Stretch& s = tunnel.stretch;
    if (StretchStart(s) >= static_cast<double>(frame.extent)) continue;
    double x0 = frame.X(StretchStart(s)), x1 = frame.X(StretchEnd(s, frame));
    svg.Open("g", {{"class", "tunnel"}});
    svg.Title("tunnel kind " + std::to_string(s.stored) + ", " + SvgNumber(StretchStart(s)) + " .. " +
              SvgNumber(StretchEnd(s, frame)) + " m");
    svg.Empty("rect", {{"x", SvgNumber(x0)}, {"y", SvgNumber(y + 5)}, {"width", SvgNumber(std::max(1.0, x1 - x0))},
                       {"height", SvgNumber(kTunnelLane - 10)}});
    svg.Close("g");
  }
  svg.Close("g");
  return y + kTunnelLane - top;
}

void DrawTunnelShading(const Scene& scene, double shade_top, double shade_height,
                       const ProfileFrame& frame, SvgWriter& svg) {
  svg.Open("g", {{"id", "tunnel-shading"}});
  for (const SceneObject& tunnel : scene.Lane("tunnels").objects) {
    const Stretch& s = tunnel.stretch;
    if (StretchStart(s) >= static_cast<double>(frame.extent)) continue;
    double x0 = frame.X(StretchStart(s)), x1 = frame.X(StretchEnd(s, frame));
    svg.Empty("rect", {{"class", "tunnel-shade"}, {"x", SvgNumber(x0)}, {"y", SvgNumber(shade_top)},
                       {"width", SvgNumber(std::max(1.0, x1 - x0))}, {"height", SvgNumber(shade_height)}});
  }
  svg.Close("g");
}

}  // namespace scenario
