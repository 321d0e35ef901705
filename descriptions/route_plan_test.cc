// The plan of the track in the route table, as the line reader computes it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "descriptions/line_reading.h"
#include "descriptions/line_test_texts.h"

namespace scenario {
namespace {

using testing::LineRun;
using testing::LineText;
using testing::Lines;

// The plan written out from its definition: rows 0 and 1 are (0, 0) and
// (0, 1); each further row adds the previous step, turned by k(j) inside
// a curve.
struct Plan {
  std::vector<double> x, y;
};

Plan ExpectedPlan(int64_t last_row, const std::function<double(int64_t)>& turn_at) {
  Plan plan{std::vector<double>(last_row + 1), std::vector<double>(last_row + 1)};
  plan.y[1] = 1;
  for (int64_t j = 2; j <= last_row; ++j) {
    const double dx = plan.x[j - 1] - plan.x[j - 2];
    const double dy = plan.y[j - 1] - plan.y[j - 2];
    const double k = turn_at(j);
    if (k == 0.0) {
      plan.x[j] = plan.x[j - 1] + dx;
      plan.y[j] = plan.y[j - 1] + dy;
    } else {
      plan.x[j] = plan.x[j - 1] + (dx + k * dy);
      plan.y[j] = plan.y[j - 1] + (dy - k * dx);
    }
  }
  return plan;
}

// The rows as the route file gets them, walked from the table.
Plan Walked(const RouteTable& route) {
  Plan plan;
  for (RouteWalk walk(route); !walk.AtEnd();) {
    const RouteWalk::Point point = walk.Next();
    plan.x.push_back(point.x);
    plan.y.push_back(point.y);
  }
  return plan;
}

TEST(RoutePlanTest, GeneralSectionOnlyIsAStraightLine) {
  LineRun run(Lines({"[generale]", "lunghezza percorso, 1000", "[pendenze]", "[fine]"}));
  ASSERT_TRUE(run.Read());
  const RouteTable& route = run.state.route;
  ASSERT_EQ(route.last_row(), 8000);
  EXPECT_EQ(route.KindAt(0), RouteTable::kInt16);
  EXPECT_EQ(route.KindAt(1), RouteTable::kInt16);
  const Plan rows = Walked(route);
  for (int64_t j = 2; j <= 7998; ++j) {
    ASSERT_EQ(route.KindAt(j), RouteTable::kReal) << j;
    ASSERT_EQ(rows.x[j], 0.0) << j;
    ASSERT_EQ(rows.y[j], static_cast<double>(j)) << j;
  }
  EXPECT_EQ(route.KindAt(7999), RouteTable::kEmpty);
  EXPECT_EQ(route.KindAt(8000), RouteTable::kEmpty);
  EXPECT_EQ(route.EncodedSize(), 159964u);

  std::string file;
  route.Encode(&file);
  ASSERT_EQ(file.size(), 159964u);
  const char kStart[] = "\x02\x00\x00\x00\x02\x00\x00\x00\x05\x00\x00\x00\x00\x00\x00\x00\x00\x00";
  EXPECT_EQ(file.substr(0, 18), std::string(kStart, 18));
  // plan_y begins at 10 L + 69982: rows 0, 1, then 2.0 in row 2.
  const char kPlanY[] = "\x02\x00\x00\x00\x02\x00\x01\x00\x05\x00\x00\x00\x00\x00\x00\x00\x00\x40";
  EXPECT_EQ(file.substr(79982, 18), std::string(kPlanY, 18));
  // Gradient 0 in cells 0 .. N - 3, nothing beyond.
  EXPECT_EQ(run.cell(157).gradient, 100);
  EXPECT_EQ(run.cell(158).gradient, 0);
}

TEST(RoutePlanTest, LeftCurveClassSix) {
  LineRun run(LineText(1000, {"curvas6,  1000,  300"}));
  ASSERT_TRUE(run.Read());
  const RouteTable& route = run.state.route;
  const Plan rows = Walked(route);
  const Plan plan = ExpectedPlan(7998, [](int64_t j) { return j >= 1001 && j <= 1300 ? -0.003 : 0.0; });
  EXPECT_EQ(rows.x.at(1000), 0.0);
  EXPECT_EQ(rows.y.at(1000), 1000.0);
  EXPECT_EQ(rows.x.at(1001), -0.003);
  EXPECT_EQ(rows.y.at(1001), 1001.0);
  for (int64_t j : {1002, 1150, 1299, 1300, 1301, 5000, 7998}) {
    EXPECT_EQ(rows.x.at(j), plan.x[j]) << j;
    EXPECT_EQ(rows.y.at(j), plan.y[j]) << j;
  }
  // Each curved step turns the heading by atan(k) and lengthens it by
  // sqrt(1 + k^2): after 300 of them the step points left of +y.
  const double k = -0.003;
  const double angle = 300 * std::atan(k);
  const double length = std::pow(std::sqrt(1 + k * k), 300);
  EXPECT_NEAR(rows.x[1300] - rows.x[1299], length * std::sin(angle), 1e-9);
  EXPECT_NEAR(rows.y[1300] - rows.y[1299], length * std::cos(angle), 1e-9);
  EXPECT_LT(rows.x[7998], -1000.0);
  EXPECT_EQ(route.KindAt(7999), RouteTable::kEmpty);
}

TEST(RoutePlanTest, CurvesBehindThePlanCursor) {
  LineRun two(LineText(1000, {"curvad2, 500, 300", "curvaD3, 600, 400"}));
  LineRun three(LineText(1000, {"curvad2, 500, 300", "curvaD3, 600, 400", "curvad1, 100, 200"}));
  ASSERT_TRUE(two.Read());
  ASSERT_TRUE(three.Read());
  const Plan plan = ExpectedPlan(7998, [](int64_t j) {
    if (j >= 501 && j <= 800) return 0.0002;
    if (j >= 801 && j <= 1000) return 0.0004;  // the second curve's rows beyond the cursor
    return 0.0;
  });
  const Plan rows_two = Walked(two.state.route);
  for (int64_t j : {500, 501, 800, 801, 1000, 1001, 7998}) {
    EXPECT_EQ(rows_two.x[j], plan.x[j]) << j;
    EXPECT_EQ(rows_two.y[j], plan.y[j]) << j;
  }
  EXPECT_GT(rows_two.x[7998], 0.0);  // a right-hand curve turns towards +x
  // A curve that ends behind the cursor changes nothing.
  const Plan rows_three = Walked(three.state.route);
  for (int64_t j = 0; j <= 8000; ++j) {
    ASSERT_EQ(three.state.route.KindAt(j), two.state.route.KindAt(j)) << j;
    ASSERT_EQ(rows_three.x[j], rows_two.x[j]) << j;
    ASSERT_EQ(rows_three.y[j], rows_two.y[j]) << j;
  }
}

TEST(RoutePlanTest, NegativeLengthStillRunsStraightToTheStart) {
  LineRun run(LineText(1000, {"curvad4, 3000, -500"}));
  ASSERT_TRUE(run.Read());
  const Plan rows = Walked(run.state.route);
  for (int64_t j : {2999, 3000, 3001, 7998}) {
    EXPECT_EQ(rows.x[j], 0.0) << j;
    EXPECT_EQ(rows.y[j], static_cast<double>(j)) << j;
  }
}

TEST(RoutePlanTest, CurveClassAndHand) {
  struct Case {
    const char* field;
    double turn;
  };
  const Case cases[] = {
      {"curvad1", 0.0001}, {"curvad2", 0.0002}, {"curvad3", 0.0004}, {"curvad4", 0.001},
      {"curvad5", 0.002},  {"curvad6", 0.003},  {"curva 61", 0.0001}, {"curva 65", 0.002},
      {"curva 7", 0.0},    {"curvas", 0.0},
  };
  for (const Case& c : cases) EXPECT_EQ(TurnPerMetre(c.field), c.turn) << c.field;

  // An "s" in either case makes the curve left-handed.
  for (const char* keyword : {"curvas6", "CURVAS6", "curvad6 S"}) {
    LineRun run(LineText(1000, {std::string(keyword) + ", 100, 10"}));
    ASSERT_TRUE(run.Read());
    EXPECT_EQ(Walked(run.state.route).x[101], -0.003) << keyword;
  }
  LineRun right(LineText(1000, {"CURVAD6, 100, 10"}));
  ASSERT_TRUE(right.Read());
  EXPECT_EQ(Walked(right.state.route).x[101], 0.003);
}

TEST(RoutePlanTest, CurveEndingOnTheLastRowLeavesNoEmptyRows) {
  LineRun run(LineText(1000, {"curvad1, 7000, 1000"}));
  ASSERT_TRUE(run.Read());
  EXPECT_EQ(run.state.route.KindAt(7999), RouteTable::kReal);
  EXPECT_EQ(run.state.route.KindAt(8000), RouteTable::kReal);
  EXPECT_EQ(run.state.route.EncodedSize(), 159964u + 32u);
}

TEST(RoutePlanTest, CurveBeyondTheLastRowFails) {
  LineRun run(LineText(1000, {"curvad1, 7000, 1500"}));
  EXPECT_THROW(run.Read(), DescriptionFailure);
  // The rows up to L + 7000 stay.
  EXPECT_EQ(run.state.route.KindAt(8000), RouteTable::kReal);
}

TEST(RoutePlanTest, PlanCursorPastRowOneMillionIs103) {
  LineRun run(LineText(1000000, {"curvad1, 999000, 5000"}));
  run.state.error_position = 777;
  EXPECT_FALSE(run.Read());
  EXPECT_EQ(run.state.error_code, 103);
  EXPECT_EQ(run.state.error_position, 777);
  EXPECT_TRUE(run.source.line_deleted);
  EXPECT_EQ(run.state.route.KindAt(1000000), RouteTable::kReal);
  EXPECT_EQ(run.state.route.KindAt(1000001), RouteTable::kEmpty);
}

TEST(RoutePlanTest, CurvePositionCheck) {
  LineRun run(LineText(0, {"curvad1, 6950, 10"}));
  EXPECT_TRUE(run.Read());
  EXPECT_EQ(run.state.error_code, 15);
  EXPECT_EQ(run.state.error_position, 6950);
  // The closing step still runs the plan on to row L + 6998.
  EXPECT_EQ(Walked(run.state.route).y[6998], 6998.0);
  EXPECT_EQ(run.state.route.KindAt(6999), RouteTable::kEmpty);
}

TEST(RoutePlanTest, WithoutWriteFilesNoRouteTableAndNoCurveRecords) {
  // The curve keyword is not a record then: "curva" without a class digit
  // is no error, and its values are read as keyword fields.
  LineRun run(LineText(1000, {"curva, 500, 300", "pendenza, 500, 2"}), 0);
  EXPECT_TRUE(run.Read());
  EXPECT_EQ(run.state.error_code, 0);
  EXPECT_FALSE(run.state.route.sized());
  EXPECT_EQ(run.cell(10).gradient, 102);
}

}  // namespace
}  // namespace scenario
