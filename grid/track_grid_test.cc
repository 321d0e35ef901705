#include "grid/track_grid.h"

#include <gtest/gtest.h>

#include "grid/grid_file.h"
#include "grid/rounding.h"

namespace scenario {
namespace {

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    int64_t rounded;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {21.5, 22}, {22.5, 22},
               {23.5, 24}, {214.5, 214}, {215.5, 216}, {0.49, 0}, {-2.51, -3}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(RoundingTest, IntegerDivisionRoundsLikeTheRealQuotient) {
  for (int64_t n = -400; n <= 400; ++n) {
    for (int64_t d : {50, 5, 2, -50}) {
      EXPECT_EQ(RoundDiv(n, d), RoundHalfEven(static_cast<double>(n) / static_cast<double>(d)))
          << n << " / " << d;
    }
  }
}

TEST(TrackGridTest, SizeFollowsTheRouteLength) {
  const struct {
    int64_t length;
    int64_t last;
  } cases[] = {{270000, 5540}, {3725, 214}, {3775, 216}, {0, 140}, {1000000, 20140}};
  for (const auto& c : cases) {
    TrackGrid grid;
    grid.Size(c.length);
    EXPECT_EQ(grid.last_index(), c.last) << c.length;
    EXPECT_EQ(EncodeGridFile(grid).size(), 15u * static_cast<size_t>(c.last + 1)) << c.length;
  }
  TrackGrid carried;
  carried.Size(270000);
  EXPECT_EQ(EncodeGridFile(carried).size(), 83115u);
}

TEST(TrackGridTest, PositionGuardComparesAsReals) {
  TrackGrid grid;
  grid.Size(270000);
  EXPECT_TRUE(grid.PositionFits(276900, 100));   // (276900 + 100) / 50 = 5540
  EXPECT_FALSE(grid.PositionFits(276950, 100));  // 5541
  EXPECT_TRUE(grid.PositionFits(276200, 800));
  EXPECT_FALSE(grid.PositionFits(276201, 800));  // 5540.02
}

TEST(TrackGridTest, FreeCellsAreEmptyOrTunnelMarkerAndNothingOutsideIsFree) {
  TrackGrid grid;
  grid.Size(1000);
  grid.at(3).cell_type = kTunnelMarker;
  grid.at(4).cell_type = kSignal;
  EXPECT_TRUE(grid.IsFree(2));
  EXPECT_TRUE(grid.IsFree(3));
  EXPECT_FALSE(grid.IsFree(4));
  EXPECT_FALSE(grid.IsFree(-1));
  EXPECT_FALSE(grid.IsFree(grid.last_index() + 1));
  EXPECT_EQ(grid.TypeAt(grid.last_index() + 1), 0);
}

TEST(GridFileTest, SignalCellIsFifteenPackedBytesAtItsOffset) {
  TrackGrid grid;
  grid.Size(270000);
  Cell& cell = grid.at(411);
  cell.cell_type = kSignal;
  cell.value_a = 41;
  cell.value_d = 8;
  cell.speed_limit = 40;
  cell.gradient = 93;
  cell.adhesion = 80;
  std::string file = EncodeGridFile(grid);
  const unsigned char expected[15] = {0x01, 0x29, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08,
                                      0x00, 0x00, 0x00, 0x00, 40,   93,   80};
  EXPECT_EQ(file.substr(6165, 15), std::string(reinterpret_cast<const char*>(expected), 15));
}

TEST(GridFileTest, EveryFieldHasItsOwnOffset) {
  Cell cell;
  cell.cell_type = 14;
  cell.value_a = -2;
  cell.value_b = 0x0102;
  cell.value_c = 0x0304;
  cell.value_d = 0x0506;
  cell.signal_time = 7;
  cell.approach_mark = 8;
  cell.tunnel_kind = 9;
  cell.speed_limit = 10;
  cell.gradient = 11;
  cell.adhesion = 12;
  char out[15];
  EncodeCell(out, cell);
  const unsigned char expected[15] = {14, 0xFE, 0xFF, 0x02, 0x01, 0x04, 0x03, 0x06,
                                      0x05, 7,  8,    9,    10,   11,   12};
  EXPECT_EQ(std::string(out, 15), std::string(reinterpret_cast<const char*>(expected), 15));
}

}  // namespace
}  // namespace scenario
