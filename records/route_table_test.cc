#include "records/route_table.h"

#include <gtest/gtest.h>

#include "records/encoding.h"

namespace scenario {
namespace {

// A straight route of length L as the line reader leaves it: rows 0 and 1 as
// 16-bit integers, rows 2 .. L + 6998 as reals, the last two rows empty.
RouteTable StraightRoute(int64_t length) {
  RouteTable table;
  table.Size(length + 7000);
  table.SetInt16(0, 0, 0);
  table.SetInt16(1, 0, 1);
  for (int64_t j = 2; j <= length + 6998; ++j) table.SetReal(j, 0.0, static_cast<double>(j));
  return table;
}

TEST(RouteTableTest, StraightTableOf1000MetresIs159964Bytes) {
  RouteTable table = StraightRoute(1000);
  std::string file;
  table.Encode(&file);
  EXPECT_EQ(file.size(), 159964u);
  EXPECT_EQ(table.EncodedSize(), 159964u);
}

TEST(RouteTableTest, CarriedLengthGivesTheDocumentedFileSizeAndColumnStart) {
  RouteTable table = StraightRoute(270000);
  std::string file;
  table.Encode(&file);
  EXPECT_EQ(file.size(), 5539964u);
  // plan_y of row 0 starts at 10 L + 69982.
  EXPECT_EQ(file.substr(2769982, 8), std::string("\x02\x00\x00\x00\x02\x00\x01\x00", 8));
}

TEST(RouteTableTest, FirstSubscriptVariesFastest) {
  RouteTable table = StraightRoute(1000);
  std::string file;
  table.Encode(&file);
  // plan_x: rows 0 and 1 as int16 0, row 2 as the real 0.0.
  EXPECT_EQ(file.substr(0, 8), std::string("\x02\x00\x00\x00\x02\x00\x00\x00", 8));
  EXPECT_EQ(file.substr(8, 10), std::string("\x05\x00\x00\x00\x00\x00\x00\x00\x00\x00", 10));
  // the column ends with the two empty rows.
  const size_t column = file.size() / 2;
  EXPECT_EQ(file.substr(column - 4, 4), std::string(4, '\0'));
  // plan_y: 0, 1, then the real 2.0.
  EXPECT_EQ(file.substr(column, 8), std::string("\x02\x00\x00\x00\x02\x00\x01\x00", 8));
  EXPECT_EQ(file.substr(column + 8, 10),
            std::string("\x05\x00\x00\x00\x00\x00\x00\x00\x00\x40", 10));
}

TEST(RouteTableTest, SmallTableIsWrittenColumnByColumn) {
  RouteTable table;
  table.Size(2);  // rows 0 .. 2
  table.SetReal(0, 1.0, 4.0);
  table.SetReal(1, 2.0, 5.0);
  table.SetReal(2, 3.0, 6.0);
  std::string file;
  table.Encode(&file);
  ASSERT_EQ(file.size(), 60u);
  const double order[] = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(DecodeFixed16(&file[10 * i]), 5);
    EXPECT_EQ(std::bit_cast<double>(DecodeFixed64(&file[10 * i + 2])), order[i]) << i;
  }
}

TEST(RouteTableTest, UnassignedElementsAreTwoZeroBytes) {
  RouteTable table;
  table.Size(3);
  std::string file;
  table.Encode(&file);
  EXPECT_EQ(file, std::string(16, '\0'));
}

TEST(RouteTableTest, ARealReachingTheLastRowsAdds32Bytes) {
  RouteTable table = StraightRoute(1000);
  table.SetReal(7999, 0.0, 7999.0);
  table.SetReal(8000, 0.0, 8000.0);
  EXPECT_EQ(table.EncodedSize(), 159964u + 32u);
}

// Collects every piece; fails when a piece is longer than the buffer.
std::string AllPieces(RouteFilePieces& pieces, size_t piece_bytes) {
  std::string file;
  for (std::string_view piece = pieces.NextPiece(); !piece.empty(); piece = pieces.NextPiece()) {
    EXPECT_LE(piece.size(), piece_bytes);
    file.append(piece);
  }
  return file;
}

TEST(RouteTableTest, PiecesOfAnySizeMakeTheSameFile) {
  // Rows of 4, 10 and 2 bytes; pieces that cut through every kind.
  RouteTable table = StraightRoute(1000);
  std::string whole;
  table.Encode(&whole);
  for (size_t piece_bytes : {10u, 11u, 23u, 4096u, 1000000u}) {
    RouteFilePieces pieces(table, piece_bytes);
    EXPECT_EQ(AllPieces(pieces, piece_bytes), whole) << piece_bytes;
  }
}

TEST(RouteTableTest, AnUnsizedTableHasNoPiece) {
  RouteTable table;
  RouteFilePieces pieces(table, 64);
  EXPECT_TRUE(pieces.NextPiece().empty());
}

TEST(RouteTableTest, SizingAgainStartsFromEmptyElements) {
  // Large enough for the blocks that come straight from the system.
  for (int64_t last_row : {int64_t{5}, int64_t{400000}}) {
    RouteTable table;
    table.Size(last_row);
    table.SetReal(3, 7.0, 8.0);
    table.SetInt16(last_row, 1, 2);
    table.Size(last_row);
    EXPECT_EQ(table.KindAt(3), RouteTable::kEmpty);
    EXPECT_EQ(table.X(3), 0.0);
    EXPECT_EQ(table.Y(last_row), 0.0);
    EXPECT_EQ(table.EncodedSize(), 4 * static_cast<size_t>(last_row + 1));
  }
}

}  // namespace
}  // namespace scenario
