// The plan panel: the track from the route file, turned so that its start
// lies left and its end right, drawn at one scale in both directions. A right
// curve of the route bends clockwise on the page, as on a map.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/inspect/route_summary.h"
#include "tools/inspect/scenario_rows.h"
#include "tools/inspect/svg_parts.h"
#include "tools/inspect/text.h"

namespace scenario {

namespace {

constexpr int64_t kMaxPlanPoints = 3000;
constexpr double kPad = 30;
constexpr double kMinHeight = 160;
constexpr double kMaxHeight = 700;

// Route plan coordinates turned by -angle: the chord from the start to the
// route's end points along +u.
struct Turn {
  double c = 1, s = 0;
  double U(double x, double y) const { return x * c + y * s; }
  double V(double x, double y) const { return -x * s + y * c; }
};

struct PlanView {
  const RoutePlan* plan;
  Turn turn;
  double min_u = 0, max_v = 0, scale = 1, left = 0, top = 0;

  double PageX(int64_t row) const { return left + (turn.U(plan->X(row), plan->Y(row)) - min_u) * scale; }
  double PageY(int64_t row) const { return top + (max_v - turn.V(plan->X(row), plan->Y(row))) * scale; }
};

// The nearest point row at or before `row`, or -1.
int64_t PointAtOrBefore(const RoutePlan& plan, int64_t row) {
  row = std::min(row, plan.rows() - 1);
  while (row >= 0 && !plan.IsPoint(row)) --row;
  return row;
}

// A subsampled polyline of rows first .. last; a row that is not a point
// breaks it.
void DrawPolyline(const PlanView& view, int64_t first, int64_t last, int64_t step, const char* css,
                  SvgWriter& svg) {
  std::string points;
  auto flush = [&] {
    if (points.find(' ') != std::string::npos) svg.Empty("polyline", {{"class", css}, {"points", points}});
    points.clear();
  };
  for (int64_t row = first; row <= last; row = (row == last) ? last + 1 : std::min(last, row + step)) {
    if (!view.plan->IsPoint(row)) {
      flush();
      continue;
    }
    if (!points.empty()) points += ' ';
    points += SvgNumber(view.PageX(row)) + "," + SvgNumber(view.PageY(row));
  }
  flush();
}

}  // namespace

double DrawPlan(const ScenarioFolder& f, double top, const ProfileFrame& frame, SvgWriter& svg) {
  const RoutePlan& plan = f.route.route;
  int64_t end = PointAtOrBefore(plan, f.RouteLength());
  int64_t last = PointAtOrBefore(plan, plan.rows() - 1);
  if (end < 1 || !plan.IsPoint(0)) {
    svg.Open("g", {{"id", "plan"}});
    DrawLaneFrame(top, kMinHeight, "plan", frame, svg);
    svg.WithText("text", {{"class", "note"}, {"x", SvgNumber(frame.left + 10)}, {"y", SvgNumber(top + 20)}},
                 "the route file holds no plan to draw");
    svg.Close("g");
    return kMinHeight;
  }
  PlanView view{&plan, {}, 0, 0, 1, 0, 0};
  double angle = std::atan2(plan.Y(end) - plan.Y(0), plan.X(end) - plan.X(0));
  view.turn = {std::cos(angle), std::sin(angle)};
  double min_u = 1e300, max_u = -1e300, min_v = 1e300, max_v = -1e300;
  for (int64_t row = 0; row <= last; ++row) {
    if (!plan.IsPoint(row)) continue;
    double u = view.turn.U(plan.X(row), plan.Y(row)), v = view.turn.V(plan.X(row), plan.Y(row));
    min_u = std::min(min_u, u), max_u = std::max(max_u, u);
    min_v = std::min(min_v, v), max_v = std::max(max_v, v);
  }
  double span_u = std::max(1.0, max_u - min_u), span_v = std::max(1.0, max_v - min_v);
  view.scale = (frame.width - 2 * kPad) / span_u;
  double height = std::clamp(span_v * view.scale + 2 * kPad, kMinHeight, kMaxHeight);
  view.scale = std::min(view.scale, (height - 2 * kPad) / span_v);
  view.min_u = min_u;
  view.max_v = max_v;
  view.left = frame.left + kPad;
  view.top = top + kPad;

  svg.Open("g", {{"id", "plan"}});
  DrawLaneFrame(top, height, "plan", frame, svg);
  int64_t step = std::max<int64_t>(1, plan.rows() / kMaxPlanPoints);
  DrawPolyline(view, 0, end, step, "track", svg);
  if (last > end) DrawPolyline(view, end, last, step, "overrun", svg);

  // Every 10 km of route position, a dot and its distance.
  for (int64_t row = 10000; row <= end; row += 10000) {
    if (!plan.IsPoint(row)) continue;
    svg.Empty("circle", {{"class", "plan-tick"}, {"cx", SvgNumber(view.PageX(row))},
                         {"cy", SvgNumber(view.PageY(row))}, {"r", "2"}});
    svg.WithText("text", {{"class", "note"}, {"x", SvgNumber(view.PageX(row) + 4)},
                          {"y", SvgNumber(view.PageY(row) - 4)}},
                 std::to_string(row / 1000) + " km");
  }
  // The stops, named where the train really stops (kinds below 25).
  const ScenarioTable& table = f.scenario.scenario;
  for (int i = 1; i < kScenarioRowCount; ++i) {
    if (RoleOfRow(table, i) != RowRole::kStop) continue;
    int64_t row = PointAtOrBefore(plan, std::max(0, table[i].position));
    if (row < 0) continue;
    svg.Open("g", {{"class", "plan-stop"}});
    svg.Empty("circle", {{"cx", SvgNumber(view.PageX(row))}, {"cy", SvgNumber(view.PageY(row))}, {"r", "3"}});
    // Code-page bytes, shown as the simulator shows them.
    const std::string name = CodePageToUtf8(table[i].name);
    svg.Title(name + " at " + std::to_string(table[i].position) + " m");
    if (table[i].kind < 25) {
      svg.WithText("text", {{"x", SvgNumber(view.PageX(row) + 5)}, {"y", SvgNumber(view.PageY(row) + 14)}},
                   name);
    }
    svg.Close("g");
  }
  svg.WithText("text", {{"class", "note"}, {"x", SvgNumber(frame.left + 6)}, {"y", SvgNumber(top + height - 6)}},
               "plan turned so that the start lies left and the route's end right; 1 px = " +
                   SvgNumber(1.0 / view.scale) + " m");
  svg.Close("g");
  return height;
}

}  // namespace scenario
