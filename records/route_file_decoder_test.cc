// The route file read back: against bytes whose layout is fixed (a straight
// route, every variant tag), against what the encoder writes for any table,
// and refusing what does not decode tag by tag.
#include "records/route_file_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>

#include "records/file_test_support.h"

namespace scenario {
namespace {

using file_test::Hex;

TEST(RouteFileDecoderTest, StraightRouteOf1000Metres) {
  std::string bytes = file_test::RouteBytes(file_test::StraightRoute(1000));
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

TEST(RouteFileDecoderTest, EveryVariantTag) {
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

TEST(RouteFileDecoderTest, RefusesWhatDoesNotDecodeTagByTag) {
  std::string straight = file_test::RouteBytes(file_test::StraightRoute(1000));
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

TEST(RouteFileDecoderTest, ReadsBackWhatTheEncoderWrites) {
  std::mt19937_64 random(4);
  for (int round = 0; round < 50; ++round) {
    // A plan of random straight and curved stretches, stopped anywhere short
    // of the last row, so that empty rows follow the computed ones.
    RouteTable written;
    written.Size(2 + static_cast<int64_t>(random() % 3000));
    written.SetOrigin();
    const int64_t plan_end = static_cast<int64_t>(random() % static_cast<uint64_t>(written.last_row() + 1));
    while (written.next_row() <= plan_end) {
      const int64_t last = std::min(plan_end, written.next_row() + static_cast<int64_t>(random() % 400));
      const double turn = random() % 2 == 0 ? 0.0 : (static_cast<double>(random() % 2001) - 1000.0) / 1e5;
      written.Extend(last, turn);
    }
    RoutePlan read;
    ASSERT_TRUE(DecodeRouteFile(file_test::RouteBytes(written), &read).ok());
    ASSERT_EQ(read.rows(), written.last_row() + 1);
    RouteWalk walk(written);
    for (int64_t row = 0; row <= written.last_row(); ++row) {
      const RouteElement& x = read.plan_x[static_cast<size_t>(row)];
      const RouteElement& y = read.plan_y[static_cast<size_t>(row)];
      ASSERT_EQ(x.tag, written.KindAt(row)) << row;
      ASSERT_EQ(y.tag, written.KindAt(row)) << row;
      const RouteWalk::Point point = walk.Next();
      if (written.KindAt(row) == RouteTable::kEmpty) continue;
      ASSERT_EQ(std::bit_cast<uint64_t>(x.value), std::bit_cast<uint64_t>(point.x)) << row;
      ASSERT_EQ(std::bit_cast<uint64_t>(y.value), std::bit_cast<uint64_t>(point.y)) << row;
    }
  }
}

}  // namespace
}  // namespace scenario
