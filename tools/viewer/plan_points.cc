#include "tools/viewer/plan_points.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace scenario::viewer {

namespace {

std::optional<int64_t> WholeNumber(const std::string& text) {
  int64_t value = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::vector<PlanPoint> ReducePlan(const RoutePlan& plan, PlanRequest request) {
  std::vector<PlanPoint> points;
  if (plan.rows() == 0) return points;
  const int64_t last = plan.rows() - 1;
  int64_t from = std::clamp<int64_t>(std::min(request.from, request.to), 0, last);
  int64_t to = std::clamp<int64_t>(std::max(request.from, request.to), 0, last);
  const int64_t budget = 2 * std::clamp<int64_t>(request.pixels, 1, kMaxPlanPixels);
  const int64_t step = std::max<int64_t>(1, (to - from + budget - 1) / budget);
  points.reserve(static_cast<size_t>((to - from) / step + 2));
  auto add = [&](int64_t row) {
    const bool point = plan.IsPoint(row);
    points.push_back({row, point, point ? plan.X(row) : 0.0, point ? plan.Y(row) : 0.0});
  };
  for (int64_t row = from; row < to; row += step) add(row);
  add(to);
  return points;
}

std::optional<PlanRequest> ParsePlanRequest(const std::string& from, const std::string& to,
                                            const std::string& pixels) {
  const std::optional<int64_t> first = WholeNumber(from), last = WholeNumber(to), width = WholeNumber(pixels);
  if (!first || !last || !width) return std::nullopt;
  PlanRequest request;
  request.from = *first;
  request.to = *last;
  request.pixels = *width;
  return request;
}

std::string PlanJson(const std::vector<PlanPoint>& points, int64_t step) {
  std::string out = "{\"step\":" + std::to_string(step) + ",\"points\":[";
  char buffer[96];
  for (size_t i = 0; i < points.size(); ++i) {
    const PlanPoint& p = points[i];
    // Ten significant digits keep a millimetre over a thousand kilometres.
    int n = p.point ? std::snprintf(buffer, sizeof buffer, "%s[%lld,%.10g,%.10g]", i ? "," : "",
                                    static_cast<long long>(p.row), p.x, p.y)
                    : std::snprintf(buffer, sizeof buffer, "%s[%lld,null,null]", i ? "," : "",
                                    static_cast<long long>(p.row));
    out.append(buffer, static_cast<size_t>(n));
  }
  out += "]}";
  return out;
}

}  // namespace scenario::viewer
