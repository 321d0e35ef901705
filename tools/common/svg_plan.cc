// The plan panel: the track from the route file, turned so that its start
// lies left and its end right, drawn at one scale in both directions. A right
// curve of the route bends clockwise on the page, as on a map.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "tools/common/route_rows.h"
#include "tools/common/route_summary.h"
#include "tools/common/svg_parts.h"
#include "tools/common/text.h"

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

struct Sample {
  bool point = false;
  double x = 0, y = 0;
};

// The rows the picture draws, read from the route file in two passes and
// kept alone: a few thousand, however long the route.
struct PlanSamples {
  int64_t rows = 0;
  std::map<int64_t, Sample> kept;

  bool IsPoint(int64_t row) const {
    auto found = kept.find(row);
    return found != kept.end() && found->second.point;
  }
  const Sample& At(int64_t row) const { return kept.at(row); }
};

struct PlanView {
  const PlanSamples* plan;
  Turn turn;
  double min_u = 0, max_v = 0, scale = 1, left = 0, top = 0;

  double PageX(int64_t row) const {
    const Sample& p = plan->At(row);
    return left + (turn.U(p.x, p.y) - min_u) * scale;
  }
  double PageY(int64_t row) const {
    const Sample& p = plan->At(row);
    return top + (max_v - turn.V(p.x, p.y)) * scale;
  }
};

// The rows a subsampled polyline of rows first .. last visits.
template <typename Fn>
void ForPolylineRows(int64_t first, int64_t last, int64_t step, Fn fn) {
  for (int64_t row = first; row <= last; row = (row == last) ? last + 1 : std::min(last, row + step)) fn(row);
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
  ForPolylineRows(first, last, step, [&](int64_t row) {
    if (!view.plan->IsPoint(row)) {
      flush();
      return;
    }
    if (!points.empty()) points += ' ';
    points += SvgNumber(view.PageX(row)) + "," + SvgNumber(view.PageY(row));
  });
  flush();
}

}  // namespace

double DrawPlan(const Scene& scene, double top, const ProfileFrame& frame, SvgWriter& svg) {
  const ScenarioFolder& f = *scene.folder;
  const ScenarioTable& table = f.scenario.scenario;
  const std::vector<SceneObject>& stops = scene.Lane("stops").objects;
  RouteFileRows file;
  PlanSamples plan;
  if (file.Open(f.route_path).ok()) plan.rows = file.rows();

  // First pass: the last point at or before each row the picture places
  // something at (the route's end, the last row, the stops), and the points
  // of the start and of the route's end, which turn the plan.
  std::map<int64_t, int64_t> at_or_before;  // row asked for -> point row, or -1
  auto ask = [&](int64_t row) { at_or_before.emplace(std::min(row, plan.rows - 1), -1); };
  ask(scene.length);
  ask(plan.rows - 1);
  for (const SceneObject& stop : stops) ask(std::max<int64_t>(0, stop.at));
  std::map<int64_t, Sample> answers;  // point rows found, with their points
  Sample start;
  Status read = Status::Error("no route file");
  {
    int64_t last_point = -1;
    Sample last_sample;
    auto next = at_or_before.begin();
    read = file.ForEachRow([&](int64_t row, const RouteElement& x, const RouteElement& y) {
      if (IsPlanPoint(x, y)) {
        last_point = row;
        last_sample = {true, x.value, y.value};
        if (row == 0) start = last_sample;
      }
      for (; next != at_or_before.end() && next->first == row; ++next) {
        next->second = last_point;
        if (last_point >= 0) answers[last_point] = last_sample;
      }
    });
  }
  auto point_at_or_before = [&](int64_t row) {
    auto found = at_or_before.find(std::min(row, plan.rows - 1));
    return found == at_or_before.end() ? int64_t{-1} : found->second;
  };
  const int64_t end = point_at_or_before(scene.length);
  const int64_t last = point_at_or_before(plan.rows - 1);
  auto no_plan = [&] {
    svg.Open("g", {{"id", "plan"}});
    DrawLaneFrame(top, kMinHeight, "plan", frame, svg);
    svg.WithText("text", {{"class", "note"}, {"x", SvgNumber(frame.left + 10)}, {"y", SvgNumber(top + 20)}},
                 read.ok() ? "the route file holds no plan to draw" : "the route file could not be read again");
    svg.Close("g");
    return kMinHeight;
  };
  if (!read.ok() || end < 1 || !start.point) return no_plan();
  PlanView view{&plan, {}, 0, 0, 1, 0, 0};
  const Sample& end_point = answers.at(end);
  double angle = std::atan2(end_point.y - start.y, end_point.x - start.x);
  view.turn = {std::cos(angle), std::sin(angle)};

  // Second pass: the extent of the turned plan over every point, and the
  // rows the polylines and the distance marks need.
  const int64_t step = std::max<int64_t>(1, plan.rows / kMaxPlanPoints);
  std::set<int64_t> wanted;
  ForPolylineRows(0, end, step, [&](int64_t row) { wanted.insert(row); });
  if (last > end) ForPolylineRows(end, last, step, [&](int64_t row) { wanted.insert(row); });
  for (int64_t row = 10000; row <= end; row += 10000) wanted.insert(row);
  for (const auto& [row, sample] : answers) wanted.insert(row);
  double min_u = 1e300, max_u = -1e300, min_v = 1e300, max_v = -1e300;
  read = file.ForEachRow([&](int64_t row, const RouteElement& x, const RouteElement& y) {
    const bool point = IsPlanPoint(x, y);
    if (wanted.count(row) != 0) plan.kept[row] = {point, x.value, y.value};
    if (row > last || !point) return;
    double u = view.turn.U(x.value, y.value), v = view.turn.V(x.value, y.value);
    min_u = std::min(min_u, u), max_u = std::max(max_u, u);
    min_v = std::min(min_v, v), max_v = std::max(max_v, v);
  });
  if (!read.ok()) return no_plan();
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
  for (const SceneObject& stop : stops) {
    const int i = stop.row;
    int64_t row = point_at_or_before(std::max<int64_t>(0, stop.at));
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
