// The grid file read back: against bytes whose layout is fixed (the carried
// route's signal cell, a cell by hand), against what the encoder writes for
// any grid, and refusing sizes no grid has.
#include "grid/grid_file_decoder.h"

#include <gtest/gtest.h>

#include <random>

#include "grid/grid_file.h"
#include "records/file_test_support.h"

namespace scenario {
namespace {

using file_test::Hex;

TEST(GridFileDecoderTest, SignalCellOfTheCarriedRoute) {
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
  EXPECT_EQ(cells[411], signal);
  EXPECT_EQ(cells[410], Cell{});
}

TEST(GridFileDecoderTest, ReadsEveryFieldOfAHandMadeCell) {
  std::string bytes = Hex({6, 0xAD, 0x06, 0x1A, 0x07, 0xFF, 0xFF, 0x0A, 0, 101, 84, 3, 40, 107, 200});
  std::vector<Cell> cells;
  ASSERT_TRUE(DecodeGridFile(bytes, &cells).ok());
  ASSERT_EQ(cells.size(), 1u);
  // cell_type, value_a .. value_d, signal_time, approach_mark, tunnel_kind,
  // speed_limit, gradient, adhesion.
  EXPECT_EQ(cells[0], (Cell{6, 1709, 1818, -1, 10, 101, 84, 3, 40, 107, 200}));
}

TEST(GridFileDecoderTest, RefusesSizesThatAreNotWholeCells) {
  for (size_t size : {size_t{0}, size_t{14}, size_t{16}, size_t{83114}, size_t{83116}}) {
    std::vector<Cell> cells;
    Status problem = DecodeGridFile(std::string(size, '\0'), &cells);
    ASSERT_TRUE(!problem.ok()) << size;
    EXPECT_NE(problem.message().find(size == 0 ? "empty" : std::to_string(size) + " bytes"), std::string::npos)
        << problem.message();
  }
}

TEST(GridFileDecoderTest, NoMoreCellsThanTheLongestRouteHas) {
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

TEST(GridFileDecoderTest, ReadsBackWhatTheEncoderWrites) {
  std::mt19937 random(15);
  auto any = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int round = 0; round < 50; ++round) {
    TrackGrid grid;
    grid.Size(any(0, 20000));
    for (Cell& cell : grid.cells()) {
      cell.cell_type = static_cast<uint8_t>(any(0, 255));
      for (int16_t* value : {&cell.value_a, &cell.value_b, &cell.value_c, &cell.value_d}) {
        *value = static_cast<int16_t>(any(INT16_MIN, INT16_MAX));
      }
      for (uint8_t* byte : {&cell.signal_time, &cell.approach_mark, &cell.tunnel_kind,
                            &cell.speed_limit, &cell.gradient, &cell.adhesion}) {
        *byte = static_cast<uint8_t>(any(0, 255));
      }
    }
    std::vector<Cell> read;
    ASSERT_TRUE(DecodeGridFile(EncodeGridFile(grid), &read).ok());
    ASSERT_EQ(read, grid.cells());
  }
}

}  // namespace
}  // namespace scenario
