// The profile lanes: the per-cell speed limit, gradient and adhesion of the
// grid as step lines, and the tunnels as bands (also shaded across all lanes).
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/common/grid_summary.h"
#include "tools/common/svg_parts.h"

namespace scenario {

namespace {

struct Lane {
  Profile profile;
  const char* name;
  const char* css;
  double height;
  int round_to;  // the range is rounded up to a multiple of this
  bool symmetric;
};

double StretchStart(const Stretch& s) { return static_cast<double>(s.first_cell * kCellMetres); }
double StretchEnd(const Stretch& s, const ProfileFrame& frame) {
  return std::min<double>(static_cast<double>((s.last_cell + 1) * kCellMetres), static_cast<double>(frame.extent));
}

void DrawLane(const ScenarioFolder& f, const Lane& lane, double top, const ProfileFrame& frame, SvgWriter& svg) {
  std::vector<Stretch> stretches = ProfileStretches(f.grid.cells, lane.profile);
  int largest = 0;
  for (const Stretch& s : stretches) {
    if (StretchStart(s) < static_cast<double>(frame.extent)) {
      largest = std::max(largest, std::abs(ProfileValue(s.stored, lane.profile)));
    }
  }
  int range = std::max(lane.round_to, (largest + lane.round_to - 1) / lane.round_to * lane.round_to);
  double low = lane.symmetric ? -range : 0;
  double inner_top = top + 6, inner_height = lane.height - 12;
  auto y_of = [&](double value) { return inner_top + (range - value) / (range - low) * inner_height; };

  DrawLaneFrame(top, lane.height, lane.name, frame, svg);
  svg.Open("g", {{"id", lane.css}});
  for (double value : {static_cast<double>(range), lane.symmetric ? 0.0 : range / 2.0, low}) {
    svg.Empty("line", {{"class", value == 0 && lane.symmetric ? "zero-line" : "gridline"},
                       {"x1", SvgNumber(frame.left)}, {"y1", SvgNumber(y_of(value))},
                       {"x2", SvgNumber(frame.left + frame.width)}, {"y2", SvgNumber(y_of(value))}});
    svg.WithText("text", {{"class", "note"}, {"x", SvgNumber(frame.left + frame.width + 4)},
                          {"y", SvgNumber(y_of(value) + 4)}},
                 SvgNumber(value));
  }
  std::string path;
  for (const Stretch& s : stretches) {
    if (StretchStart(s) >= static_cast<double>(frame.extent)) break;
    double y = y_of(ProfileValue(s.stored, lane.profile));
    path += path.empty() ? "M" + SvgNumber(frame.X(StretchStart(s))) + "," + SvgNumber(y) : " V" + SvgNumber(y);
    path += " H" + SvgNumber(frame.X(StretchEnd(s, frame)));
  }
  if (!path.empty()) svg.Empty("path", {{"class", std::string("profile ") + lane.css}, {"d", path}});
  svg.Close("g");
}

}  // namespace

double DrawProfileLanes(const ScenarioFolder& f, double top, const ProfileFrame& frame, SvgWriter& svg) {
  const Lane lanes[] = {
      {Profile::kSpeedLimit, "speed limit km/h", "speed-limit", 110, 50, false},
      {Profile::kGradient, "gradient per mille", "gradient", 110, 5, true},
      {Profile::kAdhesion, "adhesion", "adhesion", 70, 10, false},
  };
  double y = top;
  for (const Lane& lane : lanes) {
    DrawLane(f, lane, y, frame, svg);
    y += lane.height;
  }
  constexpr double kTunnelLane = 22;
  DrawLaneFrame(y, kTunnelLane, "tunnels", frame, svg);
  svg.Open("g", {{"id", "tunnels"}});
  for (const Stretch& s : ProfileStretches(f.grid.cells, Profile::kTunnelKind)) {
    if (s.stored == 0 || StretchStart(s) >= static_cast<double>(frame.extent)) continue;
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

void DrawTunnelShading(const ScenarioFolder& f, double shade_top, double shade_height,
                       const ProfileFrame& frame, SvgWriter& svg) {
  svg.Open("g", {{"id", "tunnel-shading"}});
  for (const Stretch& s : ProfileStretches(f.grid.cells, Profile::kTunnelKind)) {
    if (s.stored == 0 || StretchStart(s) >= static_cast<double>(frame.extent)) continue;
    double x0 = frame.X(StretchStart(s)), x1 = frame.X(StretchEnd(s, frame));
    svg.Empty("rect", {{"class", "tunnel-shade"}, {"x", SvgNumber(x0)}, {"y", SvgNumber(shade_top)},
                       {"width", SvgNumber(std::max(1.0, x1 - x0))}, {"height", SvgNumber(shade_height)}});
  }
  svg.Close("g");
}

}  // namespace scenario
