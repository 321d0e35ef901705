#include "tools/common/svg.h"

#include <algorithm>

#include "tools/common/scenario_rows.h"
#include "tools/common/svg_parts.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

constexpr const char* kStyle = R"(
text { font-family: sans-serif; font-size: 11px; fill: #222; }
.heading { font-size: 18px; font-weight: bold; }
.note { font-size: 12px; fill: #555; }
.warning { font-size: 12px; fill: #b00020; }
.lane-name { font-size: 11px; fill: #444; text-anchor: end; }
.lane { fill: #fafafa; stroke: #ddd; }
.track { fill: none; stroke: #1f3a93; stroke-width: 2; stroke-linejoin: round; }
.overrun { fill: none; stroke: #999; stroke-width: 1.5; stroke-dasharray: 6 4; }
.plan-stop circle { fill: #fff; stroke: #1f3a93; stroke-width: 1.5; }
.plan-tick { fill: #1f3a93; }
.stop rect { fill: #cfe3ff; stroke: #6b9bd8; stroke-width: 0.5; }
.stop line { stroke: #1f3a93; stroke-width: 1.5; }
.stop text { font-size: 10px; }
.signal line { stroke: #333; stroke-width: 1; }
.signal circle { fill: #c62828; }
.speed-board rect { fill: #1565c0; }
.sign-board rect { fill: #f9a825; stroke: #555; stroke-width: 0.5; }
.sign-board text, .code text { font-size: 9px; }
.slowdown rect { fill: #ef6c00; }
.slowdown-span { fill: #ffe0b2; }
.code path { fill: #6a1b9a; }
.code-zero path { fill: #000; }
.tunnel rect { fill: #795548; }
.tunnel-shade { fill: #795548; opacity: 0.08; pointer-events: none; }
.profile { fill: none; stroke-width: 1.5; }
.speed-limit { stroke: #2e7d32; }
.gradient { stroke: #6d4c41; }
.adhesion { stroke: #00838f; }
.gridline { stroke: #e0e0e0; stroke-width: 1; }
.zero-line { stroke: #9e9e9e; stroke-width: 1; }
.axis line { stroke: #333; stroke-width: 1; }
.axis text { font-size: 10px; text-anchor: middle; }
.section line { stroke: #b00020; stroke-width: 1; stroke-dasharray: 4 3; }
.section text { font-size: 10px; fill: #b00020; }
)";

// The objects of a lane that are of one of the types.
int CountIn(const SceneLane& lane, std::initializer_list<uint8_t> types) {
  int count = 0;
  for (const SceneObject& object : lane.objects) {
    count += std::find(types.begin(), types.end(), object.cell_type) != types.end();
  }
  return count;
}

double DrawHeading(const Scene& scene, double top, const ProfileFrame& frame, SvgWriter& svg) {
  const ScenarioTable& table = scene.folder->scenario.scenario;
  svg.WithText("text", {{"class", "heading"}, {"x", SvgNumber(frame.left)}, {"y", SvgNumber(top + 18)}},
               "Route " + CodePageToUtf8(table[kRouteRow].name) + ", train " +
                   CodePageToUtf8(table[kTrainRow].name));
  auto count = [&](const char* id) { return std::to_string(scene.Lane(id).objects.size()); };
  std::string summary =
      "route " + std::to_string(scene.length) + " m, " + count("stops") + " stops, " + count("signals") +
      " signals, " + std::to_string(SignBoardCount(table)) + " sign boards, " + count("speed-boards") +
      " speed boards, " + std::to_string(CountIn(scene.Lane("slowdowns"), {kSlowdownStart})) + " slowdowns, " +
      count("code-reductions") + " code changes, " + count("curves") + " curves";
  svg.WithText("text", {{"class", "note"}, {"x", SvgNumber(frame.left)}, {"y", SvgNumber(top + 38)}}, summary);
  double height = 48;
  for (const std::string& warning : scene.folder->warnings) {
    svg.WithText("text", {{"class", "warning"}, {"x", SvgNumber(frame.left)}, {"y", SvgNumber(top + height + 8)}},
                 "warning: " + warning);
    height += 16;
  }
  return height;
}

}  // namespace

void DrawLaneFrame(double top, double height, const char* name, const ProfileFrame& frame, SvgWriter& svg) {
  svg.Empty("rect", {{"class", "lane"}, {"x", SvgNumber(frame.left)}, {"y", SvgNumber(top)},
                     {"width", SvgNumber(frame.width)}, {"height", SvgNumber(height)}});
  svg.WithText("text", {{"class", "lane-name"}, {"x", SvgNumber(frame.left - 8)},
                        {"y", SvgNumber(top + height / 2 + 4)}},
               name);
}

namespace {

// The band's style goes in only with a band: a good compile's picture stays
// as it was.
std::string Document(double width, double height, const SvgWriter& body, bool band) {
  SvgWriter svg;
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg.Open("svg", {{"xmlns", "http://www.w3.org/2000/svg"}, {"version", "1.1"},
                   {"width", SvgNumber(width)}, {"height", SvgNumber(height)},
                   {"viewBox", "0 0 " + SvgNumber(width) + " " + SvgNumber(height)}});
  svg.WithText("style", {}, std::string(kStyle) + (band ? kFailureBandStyle : ""));
  svg.Empty("rect", {{"x", "0"}, {"y", "0"}, {"width", SvgNumber(width)},
                     {"height", SvgNumber(height)}, {"fill", "#fff"}});
  out += svg.markup();
  out += body.markup();
  out += "</svg>\n";
  return out;
}

}  // namespace

std::string RenderFailureSvg(const std::vector<std::string>& failure) {
  constexpr double kWidth = 1200;
  SvgWriter body;
  const double height = DrawFailureBand(failure, 0, kWidth, body);
  return Document(kWidth, height, body, true);
}

std::string RenderScenarioSvg(const ScenarioFolder& f, const std::vector<std::string>& failure) {
  const Scene scene = BuildScene(f);
  ProfileFrame frame;
  frame.extent = scene.extent;
  frame.left = kLaneLabelWidth + 10;
  frame.width = std::clamp(static_cast<double>(frame.extent) / 100.0, 1000.0, 6000.0);
  double total_width = frame.left + frame.width + 60;

  SvgWriter body;
  double y = DrawFailureBand(failure, 0, total_width, body) + 10;
  y += DrawHeading(scene, y, frame, body) + 10;
  y += DrawPlan(scene, y, frame, body) + 20;
  double lanes_top = y;
  y += DrawObjectLanes(scene, y, frame, body);
  y += DrawProfileLanes(scene, y, frame, body);
  DrawTunnelShading(scene, lanes_top, y - lanes_top, frame, body);
  y += DrawChainageAxis(scene, y, lanes_top, frame, body) + 10;
  return Document(total_width, y, body, !failure.empty());
}

}  // namespace scenario
