#include "tools/common/decompile_curves.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "descriptions/keywords.h"
#include "records/encoding.h"
#include "records/plan_step.h"
#include "tools/common/decompile_text.h"

namespace scenario {

namespace {

bool IsReal(const RouteElement& e) { return e.tag == static_cast<uint16_t>(VariantTag::kFloat64); }
bool IsInt16(const RouteElement& e, double value) {
  return e.tag == static_cast<uint16_t>(VariantTag::kInt16) && e.value == value;
}

struct Curve {
  int64_t first_row;
  int64_t last_row;
  int turn_index;  // into the turns below: class (index / 2) + 1, left when odd
};

}  // namespace

void AppendCurves(const RoutePlan& plan, std::string* out, std::vector<std::string>* notes) {
  std::array<double, 12> turns{};
  for (size_t i = 0; i < 6; ++i) {
    turns[2 * i] = kCurveClassTurns[i];
    turns[2 * i + 1] = -kCurveClassTurns[i];
  }
  const int64_t rows = plan.rows();
  if (rows < 2 || !IsInt16(plan.plan_x[0], 0) || !IsInt16(plan.plan_y[0], 0) ||
      !IsInt16(plan.plan_x[1], 0) || !IsInt16(plan.plan_y[1], 1)) {
    notes->push_back("route file rows 0 and 1: not the start (0, 0), (0, 1) of every plan");
    return;
  }
  std::vector<Curve> curves;
  PlanPoint before_last{0, 0}, last{0, 1};
  int64_t row = 2;
  for (; row < rows; ++row) {
    const RouteElement& x = plan.plan_x[static_cast<size_t>(row)];
    const RouteElement& y = plan.plan_y[static_cast<size_t>(row)];
    if (!IsReal(x) || !IsReal(y)) break;
    const PlanPoint point{x.value, y.value};
    const std::optional<double> turn = TurnOfStep(before_last, last, point, turns);
    if (!turn) {
      notes->push_back("route file row " + std::to_string(row) +
                       ": a point that no straight or curved step gives");
      break;
    }
    if (*turn != 0.0) {
      int index = 0;
      while (turns[static_cast<size_t>(index)] != *turn) ++index;
      if (!curves.empty() && curves.back().last_row == row - 1 && curves.back().turn_index == index) {
        curves.back().last_row = row;
      } else {
        curves.push_back({row, row, index});
      }
    }
    before_last = last;
    last = point;
  }
  for (int64_t rest = row; rest < rows; ++rest) {
    if (plan.plan_x[static_cast<size_t>(rest)].tag != 0 || plan.plan_y[static_cast<size_t>(rest)].tag != 0) {
      notes->push_back("route file row " + std::to_string(rest) + ": a point after the end of the plan");
      break;
    }
  }
  // The plan runs straight to two rows short of the last; only a curve
  // reaches further.
  const int64_t straight_end = rows - 3;
  const int64_t curved_end = curves.empty() ? 0 : curves.back().last_row;
  if (row - 1 != std::max(straight_end, curved_end)) {
    notes->push_back("route file: the plan ends at row " + std::to_string(row - 1) + ", not at row " +
                     std::to_string(straight_end) + " where the reader ends it");
  }
  AppendComment(out, "Curves: start and length. d turns right and s left; the digit is the class.");
  for (const Curve& c : curves) {
    const int number = c.turn_index / 2 + 1;
    const bool left = c.turn_index % 2 == 1;
    AppendLine(out, "curva%c%d, %9lld, %7lld", left ? 's' : 'd', number,
               static_cast<long long>(c.first_row - 1),
               static_cast<long long>(c.last_row - c.first_row + 1));
  }
}

}  // namespace scenario
