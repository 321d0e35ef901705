#include "tools/common/route_summary.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace scenario {

namespace {

// The smallest curve class turns by 0.0001 per metre; straight steps repeat
// the previous step and change the heading only by rounding noise.
constexpr double kCurvedTurn = 1e-7;
// Two adjacent curves of different class are told apart by their turn per
// metre.
constexpr double kSameCurveTolerance = 0.02;

double Wrap(double angle) {
  while (angle > std::numbers::pi) angle -= 2 * std::numbers::pi;
  while (angle < -std::numbers::pi) angle += 2 * std::numbers::pi;
  return angle;
}

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

void FindCurves(const RoutePlan& plan, RouteSummary* summary) {
  CurveFinder finder(&summary->curves);
  for (int64_t row = 0; row < plan.rows(); ++row) {
    finder.Add(row, plan.IsPoint(row), plan.X(row), plan.Y(row));
  }
  for (const RouteCurve& curve : summary->curves) {
    summary->net_turn_degrees += curve.turn_degrees;
    summary->total_turn_degrees += std::abs(curve.turn_degrees);
  }
}

}  // namespace

RouteSummary SummariseRoute(const RoutePlan& plan) {
  RouteSummary summary;
  summary.rows = plan.rows();
  if (summary.rows >= kRouteOverrunRows + 1) summary.route_length = summary.rows - kRouteOverrunRows - 1;
  for (const RouteElement& e : plan.plan_x) ++summary.tags[e.tag];
  for (const RouteElement& e : plan.plan_y) ++summary.tags[e.tag];
  for (int64_t row = 0; row < plan.rows(); ++row) {
    if (!plan.IsPoint(row)) continue;
    double x = plan.X(row), y = plan.Y(row);
    if (!summary.has_points) {
      summary.min_x = summary.max_x = x;
      summary.min_y = summary.max_y = y;
      summary.has_points = true;
    }
    summary.min_x = std::min(summary.min_x, x);
    summary.max_x = std::max(summary.max_x, x);
    summary.min_y = std::min(summary.min_y, y);
    summary.max_y = std::max(summary.max_y, y);
    ++summary.point_rows;
    if (row > 0 && plan.IsPoint(row - 1)) {
      summary.path_length += std::hypot(x - plan.X(row - 1), y - plan.Y(row - 1));
    }
  }
  for (int64_t row = plan.rows() - 1; row >= 0 && !plan.IsPoint(row); --row) {
    ++summary.trailing_non_point_rows;
  }
  FindCurves(plan, &summary);
  return summary;
}

void CurveFinder::Add(int64_t row, bool point, double x, double y) {
  const Row now{point, x, y};
  const bool measurable = row >= 2 && point && last_.point && before_last_.point;
  double turn = 0.0;
  if (measurable) {
    // Headings from +y towards +x, of the step into the row and the one before.
    const double heading = std::atan2(x - last_.x, y - last_.y);
    const double heading_before = std::atan2(last_.x - before_last_.x, last_.y - before_last_.y);
    turn = Wrap(heading - heading_before);
  }
  before_last_ = last_;
  last_ = now;
  if (row < 2) return;
  if (std::abs(turn) <= kCurvedTurn) {
    is_open_ = false;
    return;
  }
  const double k = std::tan(turn);
  const bool continues = is_open_ && open_.end_row == row - 1 &&
                         std::abs(k - open_.turn_per_metre) <= kSameCurveTolerance * std::abs(open_.turn_per_metre);
  if (!continues) {
    open_ = {row - 1, row, 0.0, k};
    is_open_ = true;
    ++count_;
    if (kept_ != nullptr) kept_->push_back(open_);
  }
  open_.end_row = row;
  open_.turn_degrees += Degrees(turn);
  if (kept_ != nullptr) kept_->back() = open_;
}

}  // namespace scenario
