// What the dump derives from decoded files: curves of the plan, row roles,
// chainage, the positions behind the object cells and the profile stretches.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tools/common/test_support.h"
#include "tools/common/chainage.h"
#include "tools/common/grid_summary.h"
#include "records/route_file_decoder.h"
#include "tools/common/route_summary.h"
#include "tools/common/scenario_rows.h"

namespace scenario {
namespace {

RouteSummary SummaryOf(const RouteTable& route) {
  RoutePlan plan;
  EXPECT_TRUE(DecodeRouteFile(inspect_test::RouteBytes(route), &plan).ok());
  return SummariseRoute(plan);
}

double TurnDegrees(int64_t rows, double k) { return static_cast<double>(rows) * std::atan(k) * 180 / std::numbers::pi; }

TEST(InspectRouteSummaryTest, StraightRouteHasNoCurve) {
  RouteSummary s = SummaryOf(inspect_test::StraightRoute(1000));
  EXPECT_EQ(s.rows, 8001);
  EXPECT_EQ(s.route_length, 1000);
  EXPECT_EQ(s.tags[2], 4);
  EXPECT_EQ(s.tags[5], 2 * 7997);
  EXPECT_EQ(s.tags[0], 4);
  EXPECT_EQ(s.trailing_non_point_rows, 2);
  EXPECT_TRUE(s.curves.empty());
  EXPECT_EQ(s.min_x, 0.0);
  EXPECT_EQ(s.max_x, 0.0);
  EXPECT_EQ(s.min_y, 0.0);
  EXPECT_EQ(s.max_y, 7998.0);
  EXPECT_DOUBLE_EQ(s.path_length, 7998.0);
}

TEST(InspectRouteSummaryTest, CurvesAreStretchesOfChangingHeading) {
  // A right curve of class 5 (k 0.002) from 1000 over 300 m, a left one of
  // class 6 from 2000 over 100 m, and two curves of different class back to
  // back from 3000.
  RouteTable route = inspect_test::StraightRoute(5000);
  inspect_test::ExtendRoute(&route, 1001, 1300, 0.002);
  inspect_test::ExtendRoute(&route, 1301, 2000, 0.0);
  inspect_test::ExtendRoute(&route, 2001, 2100, -0.003);
  inspect_test::ExtendRoute(&route, 2101, 3000, 0.0);
  inspect_test::ExtendRoute(&route, 3001, 3100, 0.001);
  inspect_test::ExtendRoute(&route, 3101, 3200, 0.0004);
  inspect_test::ExtendRoute(&route, 3201, 11998, 0.0);
  RouteSummary s = SummaryOf(route);

  struct Expected {
    int64_t start, end;
    double k;
  };
  const Expected expected[] = {{1000, 1300, 0.002}, {2000, 2100, -0.003}, {3000, 3100, 0.001}, {3100, 3200, 0.0004}};
  ASSERT_EQ(s.curves.size(), std::size(expected));
  double net = 0, total = 0;
  for (size_t i = 0; i < std::size(expected); ++i) {
    const RouteCurve& c = s.curves[i];
    EXPECT_EQ(c.start_row, expected[i].start) << i;
    EXPECT_EQ(c.end_row, expected[i].end) << i;
    EXPECT_NEAR(c.turn_per_metre, expected[i].k, 1e-9) << i;
    double turn = TurnDegrees(expected[i].end - expected[i].start, expected[i].k);
    EXPECT_NEAR(c.turn_degrees, turn, 1e-6) << i;
    net += turn;
    total += std::abs(turn);
  }
  EXPECT_NEAR(s.net_turn_degrees, net, 1e-6);
  EXPECT_NEAR(s.total_turn_degrees, total, 1e-6);
  // A right curve turns from +y towards +x.
  EXPECT_GT(s.max_x, 100.0);
}

TEST(InspectScenarioRowsTest, RolesOfElevenBoardsAnd67Stops) {
  ScenarioTable table = inspect_test::NamedTable();
  for (int row = 80; row >= 70; --row) table[row].name = "BOARD";
  for (int row = 1; row <= 67; ++row) table[row].position = 50 * row;
  table[81].span_start = 100;
  EXPECT_EQ(SignBoardCount(table), 11);
  struct Case {
    int row;
    RowRole role;
  };
  const Case cases[] = {{0, RowRole::kSpare},    {1, RowRole::kStop},      {67, RowRole::kStop},
                        {68, RowRole::kUnused},  {69, RowRole::kUnused},   {70, RowRole::kSignBoard},
                        {80, RowRole::kSignBoard}, {81, RowRole::kChainage}, {83, RowRole::kChainage},
                        {84, RowRole::kRun},     {85, RowRole::kRoute},    {86, RowRole::kTrain}};
  for (const Case& c : cases) EXPECT_EQ(RoleOfRow(table, c.row), c.role) << c.row;
  // A stop whose columns are all zero but its name is still a stop.
  table[68].name = "ORIGIN";
  EXPECT_EQ(RoleOfRow(table, 68), RowRole::kStop);
  EXPECT_EQ(SignBoardCount(inspect_test::NamedTable()), 0);
}

TEST(InspectChainageTest, CarriedSectionsAfterOrdering) {
  ScenarioTable table = inspect_test::NamedTable();
  table[81].span_start = 263600, table[81].span_end = 46500;
  table[82].span_start = 206200, table[82].span_end = -6550;
  table[83].span_start = 190600, table[83].span_end = 28600;
  Chainage chainage(table);
  ASSERT_EQ(chainage.sections().size(), 3u);
  EXPECT_EQ(chainage.sections()[0].row, 83);
  struct Case {
    int64_t position, chainage;
  };
  const Case cases[] = {{0, 0},           {190599, 190599}, {190600, 219200}, {206199, 234799},
                        {206200, 199650}, {263599, 257049}, {263600, 310100}, {270000, 316500}};
  for (const Case& c : cases) EXPECT_EQ(chainage.At(c.position), c.chainage) << c.position;
  EXPECT_EQ(FormatChainage(219200), "km 219+200");
  EXPECT_EQ(FormatChainage(50), "km 0+050");
  EXPECT_EQ(FormatChainage(-1250), "km -1+250");
  EXPECT_TRUE(Chainage(inspect_test::NamedTable()).sections().empty());
}

TEST(InspectGridSummaryTest, PositionsBehindTheCells) {
  struct Case {
    uint8_t type;
    int64_t cell, position;
  };
  const Case cases[] = {
      {kSignal, 411, 20500},        // round(20500 / 50 + 1)
      {kSpeedBoard, 22, 1050},      // round(1050 / 50 + 1)
      {kSignBoard, 125, 6200},
      {kSlowdownStart, 61, 3000},
      {kStationStop, 98, 4950},     // zone end 4950: round(4950 / 50 - 1)
      {kCodeReduction, 106, 5300},  // round(5300 / 50)
      {kSlowdownPrewarning, 31, 1550},
      {kTunnelMarker, 391, 19550},
  };
  for (const Case& c : cases) EXPECT_EQ(NominalPosition(c.type, c.cell), c.position) << int{c.type};
  EXPECT_EQ(CellTypeName(kSlowdownPrewarning), "slowdown_prewarning");
  EXPECT_EQ(CellTypeName(14), "sign_board");
  EXPECT_EQ(CellTypeName(7), "type_7");
}

TEST(InspectGridSummaryTest, ProfileStretchesInTheirUnits) {
  std::vector<Cell> cells(10);
  for (size_t i = 0; i < cells.size(); ++i) {
    cells[i].speed_limit = i < 4 ? 6 : 20;
    cells[i].gradient = i < 7 ? 93 : 112;
    cells[i].tunnel_kind = (i >= 2 && i <= 3) ? 1 : 0;
  }
  std::vector<Stretch> speed = ProfileStretches(cells, Profile::kSpeedLimit);
  ASSERT_EQ(speed.size(), 2u);
  EXPECT_EQ(speed[0].last_cell, 3);
  EXPECT_EQ(ProfileValue(speed[0].stored, Profile::kSpeedLimit), 30);
  EXPECT_EQ(ProfileValue(speed[1].stored, Profile::kSpeedLimit), 100);
  std::vector<Stretch> gradient = ProfileStretches(cells, Profile::kGradient);
  ASSERT_EQ(gradient.size(), 2u);
  EXPECT_EQ(ProfileValue(gradient[0].stored, Profile::kGradient), -7);
  EXPECT_EQ(gradient[1].first_cell, 7);
  EXPECT_EQ(ProfileValue(gradient[1].stored, Profile::kGradient), 12);
  EXPECT_EQ(ProfileStretches(cells, Profile::kTunnelKind).size(), 3u);
}

}  // namespace
}  // namespace scenario
