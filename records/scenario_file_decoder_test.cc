// The three decoders against bytes whose layout is fixed: the empty scenario
// table, the signal cell of the carried route, the route-table elements.
#include <gtest/gtest.h>

#include "tools/inspect/test_support.h"
#include "grid/grid_file_decoder.h"
#include "records/route_file_decoder.h"
#include "records/scenario_file_decoder.h"

namespace scenario {
namespace {

using inspect_test::Hex;

TEST(InspectScenarioDecodeTest, EmptyTableWithNamesIs2976Bytes) {
  ScenarioTable written = inspect_test::NamedTable();
  written[kRouteRow].first_d2 = 610;
  written[kRouteRow].scheduled_time = 31507;
  std::string bytes = EncodeScenarioFile(written);
  ASSERT_EQ(bytes.size(), 2976u);

  ScenarioTable read;
  EXPECT_TRUE(DecodeScenarioFile(bytes, &read).ok());
  EXPECT_EQ(read[kRouteRow].name, "Corvena_Lidra1");
  EXPECT_EQ(read[kTrainRow].name, "7304");
  EXPECT_EQ(read[kRouteRow].first_d2, 610);
  EXPECT_EQ(read[kRouteRow].scheduled_time, 31507);
  EXPECT_EQ(read[0].name, "");
  EXPECT_EQ(read[84].span_end, 0);
}

TEST(InspectScenarioDecodeTest, ReadsEveryColumnAtItsOffset) {
  // One row by hand, then 86 empty rows: kind 8, span -500 .. 500, position
  // 0, tps 1, "AB", d-columns 1..5, rap 6, ac 7, mar 8, tab 9, time 50010.
  std::string row = Hex({8, 0x0C, 0xFE, 0xFF, 0xFF, 0xF4, 0x01, 0, 0, 0, 0, 0, 0, 1, 2, 0, 'A', 'B',
                         1, 0, 2, 0, 3, 0, 4, 0, 0xFB, 0xFF, 6, 7, 8, 9, 0x5A, 0xC3, 0, 0});
  ASSERT_EQ(row.size(), 36u);
  std::string bytes = row + std::string(86 * 34, '\0');
  ScenarioTable read;
  ASSERT_TRUE(DecodeScenarioFile(bytes, &read).ok());
  const ScenarioRow& r = read[0];
  EXPECT_EQ(r.kind, 8);
  EXPECT_EQ(r.span_start, -500);
  EXPECT_EQ(r.span_end, 500);
  EXPECT_EQ(r.position, 0);
  EXPECT_EQ(r.tps, 1);
  EXPECT_EQ(r.name, "AB");
  EXPECT_EQ(r.first_d2, 1);
  EXPECT_EQ(r.first_d3, 2);
  EXPECT_EQ(r.second_d1, 3);
  EXPECT_EQ(r.second_d2, 4);
  EXPECT_EQ(r.second_d3, -5);
  EXPECT_EQ(r.rap, 6);
  EXPECT_EQ(r.ac, 7);
  EXPECT_EQ(r.mar, 8);
  EXPECT_EQ(r.tab, 9);
  EXPECT_EQ(r.scheduled_time, 50010);
}

TEST(InspectScenarioDecodeTest, RefusesFilesThatDoNotEndAfterRow86) {
  std::string good = EncodeScenarioFile(inspect_test::NamedTable());
  struct Case {
    std::string bytes;
    std::string says;
  };
  // Row 86 (at byte 85 * 34 + 48) with its name length 4 turned into 2: the
  // rows end 2 bytes early.
  std::string short_name = good;
  short_name[85 * 34 + 48 + 14] = 2;
  const Case cases[] = {
      {"", "only 0"},
      {good.substr(0, 2957), "only 2957"},
      {good.substr(0, good.size() - 1), "row 86"},
      {good + "x", "1 left over"},
      {short_name, "2 left over"},
      // A name length that points past the end.
      {std::string(34 * 86, '\0') + Hex({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}) +
           std::string(18, '\0'),
       "row 86"},
  };
  for (const Case& c : cases) {
    ScenarioTable read;
    Status problem = DecodeScenarioFile(c.bytes, &read);
    ASSERT_TRUE(!problem.ok()) << c.bytes.size();
    EXPECT_NE(problem.message().find(c.says), std::string::npos) << problem.message();
  }
}

TEST(InspectGridDecodeTest, SignalCellOfTheCarriedRoute) {
  TrackGrid grid;
  grid.Size(270000);
  Cell& signal = grid.at(411);
  signal.cell_type = kSignal;
  signal.value_a = 41;
  signal.value_d = 8;
  signal.gradient = 100;
  signal.speed_limit = 30;
  std::string bytes = EncodeGridFile(grid);
  ASSERT_EQ(bytes.size(), 83115u);
  ASSERT_EQ(bytes.substr(6165, 9), Hex({0x01, 0x29, 0, 0, 0, 0, 0, 0x08, 0}));

  std::vector<Cell> cells;
  ASSERT_TRUE(DecodeGridFile(bytes, &cells).ok());
  ASSERT_EQ(cells.size(), 5541u);
  EXPECT_EQ(cells[411].cell_type, kSignal);
  EXPECT_EQ(cells[411].value_a, 41);
  EXPECT_EQ(cells[411].value_d, 8);
  EXPECT_EQ(cells[411].speed_limit, 30);
  EXPECT_EQ(cells[411].gradient, 100);
  EXPECT_EQ(cells[410].cell_type, kEmpty);
}

TEST(InspectGridDecodeTest, ReadsEveryFieldOfAHandMadeCell) {
  std::string bytes = Hex({6, 0xAD, 0x06, 0x1A, 0x07, 0xFF, 0xFF, 0x0A, 0, 101, 84, 3, 40, 107, 200});
  std::vector<Cell> cells;
  ASSERT_TRUE(DecodeGridFile(bytes, &cells).ok());
  ASSERT_EQ(cells.size(), 1u);
  const Cell& c = cells[0];
  EXPECT_EQ(c.cell_type, 6);
  EXPECT_EQ(c.value_a, 1709);
  EXPECT_EQ(c.value_b, 1818);
  EXPECT_EQ(c.value_c, -1);
  EXPECT_EQ(c.value_d, 10);
  EXPECT_EQ(c.signal_time, 101);
  EXPECT_EQ(c.approach_mark, 84);
  EXPECT_EQ(c.tunnel_kind, 3);
  EXPECT_EQ(c.speed_limit, 40);
  EXPECT_EQ(c.gradient, 107);
  EXPECT_EQ(c.adhesion, 200);
}

TEST(InspectGridDecodeTest, RefusesSizesThatAreNotWholeCells) {
  for (size_t size : {size_t{0}, size_t{14}, size_t{16}, size_t{83114}, size_t{83116}}) {
    std::vector<Cell> cells;
    Status problem = DecodeGridFile(std::string(size, '\0'), &cells);
    ASSERT_TRUE(!problem.ok()) << size;
    EXPECT_NE(problem.message().find(size == 0 ? "empty" : std::to_string(size) + " bytes"), std::string::npos)
        << problem.message();
  }
}

TEST(InspectGridDecodeTest, NoMoreCellsThanTheLongestRouteHas) {
  // L = 1000000 m: N = (1000000 + 7000) / 50 = 20140.
  TrackGrid grid;
  grid.Size(1000000);
  std::string bytes = EncodeGridFile(grid);
  std::vector<Cell> cells;
  EXPECT_TRUE(DecodeGridFile(bytes, &cells).ok());
  EXPECT_EQ(cells.size(), 20141u);
  Status problem = DecodeGridFile(bytes + std::string(15, '\0'), &cells);
  ASSERT_TRUE(!problem.ok());
  EXPECT_NE(problem.message().find("20142 cells are more than the 20141"), std::string::npos) << problem.message();
}

TEST(InspectRouteDecodeTest, StraightRouteOf1000Metres) {
  std::string bytes = inspect_test::RouteBytes(inspect_test::StraightRoute(1000));
  ASSERT_EQ(bytes.size(), 159964u);
  // Row 0 and 1 of plan_x, then row 2 as the real 0.0; plan_y starts at
  // 10 L + 69982 with row 0 as the integer 0.
  ASSERT_EQ(bytes.substr(0, 8), Hex({2, 0, 0, 0, 2, 0, 0, 0}));
  ASSERT_EQ(bytes.substr(79982, 8), Hex({2, 0, 0, 0, 2, 0, 1, 0}));

  RoutePlan plan;
  ASSERT_TRUE(DecodeRouteFile(bytes, &plan).ok());
  ASSERT_EQ(plan.rows(), 8001);
  EXPECT_EQ(plan.plan_x[0].tag, 2);
  EXPECT_EQ(plan.plan_y[1].tag, 2);
  EXPECT_EQ(plan.Y(1), 1.0);
  EXPECT_EQ(plan.plan_y[2].tag, 5);
  EXPECT_EQ(plan.Y(2), 2.0);
  EXPECT_EQ(plan.Y(7998), 7998.0);
  EXPECT_EQ(plan.X(7998), 0.0);
  EXPECT_TRUE(plan.IsPoint(7998));
  EXPECT_EQ(plan.plan_x[7999].tag, 0);
  EXPECT_EQ(plan.plan_y[8000].tag, 0);
  EXPECT_FALSE(plan.IsPoint(7999));
}

TEST(InspectRouteDecodeTest, EveryVariantTag) {
  // Column plan_x: 1.0 as float64, 7 as int32, 0.5 as float32;
  // column plan_y: -3 as int16, the string "ab", empty.
  std::string bytes = Hex({5, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 3, 0, 7, 0, 0, 0, 4, 0, 0, 0, 0, 0x3F,
                           2, 0, 0xFD, 0xFF, 8, 0, 2, 0, 'a', 'b', 0, 0});
  RoutePlan plan;
  ASSERT_TRUE(DecodeRouteFile(bytes, &plan).ok());
  ASSERT_EQ(plan.rows(), 3);
  EXPECT_EQ(plan.plan_x[0].tag, 5);
  EXPECT_EQ(plan.X(0), 1.0);
  EXPECT_EQ(plan.X(1), 7.0);
  EXPECT_EQ(plan.X(2), 0.5);
  EXPECT_EQ(plan.Y(0), -3.0);
  EXPECT_EQ(plan.plan_y[1].tag, 8);
  ASSERT_EQ(plan.texts.size(), 1u);
  EXPECT_EQ(plan.texts[0], "ab");
  EXPECT_EQ(plan.plan_y[2].tag, 0);
  EXPECT_TRUE(plan.IsPoint(0));
  EXPECT_FALSE(plan.IsPoint(1));
  EXPECT_FALSE(plan.IsPoint(2));
}

TEST(InspectRouteDecodeTest, RefusesWhatDoesNotDecodeTagByTag) {
  std::string straight = inspect_test::RouteBytes(inspect_test::StraightRoute(1000));
  struct Case {
    std::string bytes;
    std::string says;
  };
  const Case cases[] = {
      {"", "empty"},
      {Hex({2, 0, 0, 0, 2, 0}), "element 1 at byte 4"},          // int16 without its value
      {Hex({5, 0, 0, 0, 0, 0, 0, 0, 0xF0}), "cut short"},        // real one byte short
      {Hex({0, 0, 0}), "lone byte"},
      {Hex({0, 0, 7, 0}), "unknown tag 7"},
      {Hex({8, 0, 5, 0, 'a', 'b'}), "cut short"},
      {Hex({2, 0, 0, 0, 2, 0, 0, 0, 0, 0}), "odd number of elements (3)"},
      {straight.substr(0, straight.size() - 1), "lone byte"},  // the last empty element lost a byte
      {straight.substr(0, straight.size() - 2), "odd number"},
      // Two columns of rows 0 .. 1007000 at most (a route of 1000000 m).
      {std::string(2 * 2 * 1007001 + 2, '\0'), "more than 2014002 elements"},
  };
  for (const Case& c : cases) {
    RoutePlan plan;
    Status problem = DecodeRouteFile(c.bytes, &plan);
    ASSERT_TRUE(!problem.ok()) << c.says;
    EXPECT_NE(problem.message().find(c.says), std::string::npos) << problem.message();
  }
}

}  // namespace
}  // namespace scenario
