#include "grid/grid_file.h"

#include <gtest/gtest.h>

#include "grid/cell.h"

namespace scenario {
namespace {

TEST(GridFileTest, ASignalCellIsPackedWithoutPadding) {
  TrackGrid grid;
  grid.Size(270000);  // N = 5540
  Cell& cell = grid.at(411);
  cell.cell_type = kSignal;
  cell.value_a = 41;
  cell.value_d = 8;
  cell.gradient = 100;
  const std::string file = EncodeGridFile(grid);
  ASSERT_EQ(file.size(), 83115u);
  EXPECT_EQ(file.substr(6165, 15),
            std::string("\x01\x29\x00\x00\x00\x00\x00\x08\x00\x00\x00\x00\x00\x64\x00", 15));
}

TEST(GridFileTest, PiecesHoldWholeCellsAndMakeTheSameFile) {
  TrackGrid grid;
  grid.Size(3725);  // N = 214
  for (int64_t i = 0; i < grid.cell_count(); ++i) {
    grid.at(i).value_a = static_cast<int16_t>(i * 7);
    grid.at(i).adhesion = static_cast<uint8_t>(i);
  }
  const std::string whole = EncodeGridFile(grid);
  for (size_t piece_bytes : {1u, 15u, 44u, 1000000u}) {
    GridFilePieces pieces(grid, piece_bytes);
    std::string file;
    for (std::string_view piece = pieces.NextPiece(); !piece.empty(); piece = pieces.NextPiece()) {
      EXPECT_EQ(piece.size() % kCellBytes, 0u) << piece_bytes;
      file.append(piece);
    }
    EXPECT_EQ(file, whole) << piece_bytes;
  }
}

}  // namespace
}  // namespace scenario
