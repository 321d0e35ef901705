// The plan the page asks for: never more than two rows a pixel (plus the
// last), from and to always in, every row's point as the route file has it.
#include "tools/viewer/plan_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace scenario::viewer {
namespace {

RoutePlan SpiralPlan(int64_t rows) {
  RoutePlan plan;
  for (int64_t row = 0; row < rows; ++row) {
    const double a = static_cast<double>(row) * 0.001;
    // Every 997th row holds no point, as a route file's string or empty
    // elements would.
    const uint16_t tag = row % 997 == 500 ? 0 : static_cast<uint16_t>(VariantTag::kFloat64);
    plan.plan_x.push_back({tag, tag ? std::cos(a) * static_cast<double>(row) : 0.0});
    plan.plan_y.push_back({tag, tag ? std::sin(a) * static_cast<double>(row) : 0.0});
  }
  return plan;
}

TEST(PlanPointsTest, AtMostTwoRowsAPixelAndTheEndsKept) {
  const RoutePlan plan = SpiralPlan(30001);
  std::mt19937 random(14);
  std::uniform_int_distribution<int64_t> position(-500, 31000), pixels(-3, 9000);
  for (int round = 0; round < 2000; ++round) {
    const PlanRequest request{position(random), position(random), pixels(random)};
    const std::vector<PlanPoint> points = ReducePlan(plan, request);
    const int64_t from = std::clamp<int64_t>(std::min(request.from, request.to), 0, 30000);
    const int64_t to = std::clamp<int64_t>(std::max(request.from, request.to), 0, 30000);
    const int64_t px = std::clamp<int64_t>(request.pixels, 1, kMaxPlanPixels);
    ASSERT_FALSE(points.empty());
    EXPECT_LE(static_cast<int64_t>(points.size()), 2 * px + 1);
    EXPECT_EQ(points.front().row, from);
    EXPECT_EQ(points.back().row, to);
    // Evenly spaced but for the last row, and never coarser than needed.
    const int64_t step = points.size() > 1 ? points[1].row - points[0].row : 1;
    EXPECT_LE(step, std::max<int64_t>(1, (to - from + 2 * px - 1) / (2 * px)));
    for (size_t i = 0; i < points.size(); ++i) {
      const PlanPoint& p = points[i];
      if (i + 1 < points.size()) {
        ASSERT_EQ(p.row, from + static_cast<int64_t>(i) * step);
      }
      ASSERT_EQ(p.point, plan.IsPoint(p.row));
      if (p.point) {
        ASSERT_EQ(p.x, plan.X(p.row));
        ASSERT_EQ(p.y, plan.Y(p.row));
      }
    }
  }
}

TEST(PlanPointsTest, JsonKeepsRowsBreaksAndAMillimetreAtAThousandKilometres) {
  const std::vector<PlanPoint> points = {{0, true, 0, 0}, {500, false, 0, 0}, {1000000, true, 999999.123, -0.5}};
  EXPECT_EQ(PlanJson(points, 500),
            "{\"step\":500,\"points\":[[0,0,0],[500,null,null],[1000000,999999.123,-0.5]]}");
  EXPECT_EQ(PlanJson({}, 1), "{\"step\":1,\"points\":[]}");
}

TEST(PlanPointsTest, RequestsWantWholeNumbers) {
  const std::optional<PlanRequest> request = ParsePlanRequest("0", "270000", "1200");
  ASSERT_TRUE(request.has_value());
  EXPECT_EQ(request->to, 270000);
  EXPECT_EQ(request->pixels, 1200);
  for (auto [from, to, px] : {std::tuple{"", "1", "1"}, std::tuple{"0", "1e5", "1"}, std::tuple{"0", "1", "12px"},
                              std::tuple{"0x10", "1", "1"}, std::tuple{" 1", "2", "3"}}) {
    EXPECT_FALSE(ParsePlanRequest(from, to, px).has_value()) << from << " " << to << " " << px;
  }
}

}  // namespace
}  // namespace scenario::viewer
