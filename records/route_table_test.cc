#include "records/route_table.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "records/encoding.h"

namespace scenario {
namespace {

// A straight route of length L as the line reader leaves it: rows 0 and 1 as
// 16-bit integers, rows 2 .. L + 6998 as reals, the last two rows empty.
RouteTable StraightRoute(int64_t length) {
  RouteTable table;
  table.Size(length + 7000);
  table.SetOrigin();
  table.Extend(length + 6998, 0.0);
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
  // A turn of 1/2 per metre keeps every value exact: the steps from (0, 1)
  // are (0.5, 1), (1, 0.75), (1.375, 0.25).
  RouteTable table;
  table.Size(4);
  table.SetOrigin();
  table.Extend(4, 0.5);
  std::string file;
  table.Encode(&file);
  ASSERT_EQ(file.size(), 76u);
  for (size_t column : {size_t{0}, size_t{38}}) {
    EXPECT_EQ(DecodeFixed16(&file[column]), 2);
    EXPECT_EQ(DecodeFixed16(&file[column + 4]), 2);
  }
  EXPECT_EQ(DecodeFixed16(&file[2]), 0);
  EXPECT_EQ(DecodeFixed16(&file[6]), 0);
  EXPECT_EQ(DecodeFixed16(&file[40]), 0);
  EXPECT_EQ(DecodeFixed16(&file[44]), 1);
  const double reals[] = {0.5, 1.5, 2.875, 2.0, 2.75, 3.0};
  const size_t offsets[] = {8, 18, 28, 46, 56, 66};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(DecodeFixed16(&file[offsets[i]]), 5) << i;
    EXPECT_EQ(std::bit_cast<double>(DecodeFixed64(&file[offsets[i] + 2])), reals[i]) << i;
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
  table.Extend(9000, 0.0);  // no further than the last row
  EXPECT_EQ(table.next_row(), 8001);
  EXPECT_EQ(table.KindAt(8000), RouteTable::kReal);
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
  RouteTable table = StraightRoute(1000);
  table.Size(400000);
  EXPECT_EQ(table.next_row(), 0);
  EXPECT_EQ(table.KindAt(0), RouteTable::kEmpty);
  EXPECT_EQ(table.EncodedSize(), 4u * 400001u);
  // Without the origin no row is computed.
  table.Extend(100, 0.0);
  EXPECT_EQ(table.KindAt(2), RouteTable::kEmpty);
}

// The file from its definition: rows held whole, each element tag by tag.
std::string ReferenceFile(int64_t last_row, int64_t computed, const std::vector<double>& turns) {
  std::vector<double> x(last_row + 1), y(last_row + 1);
  y[1] = 1.0;
  for (int64_t j = 2; j < computed; ++j) {
    const double dx = x[j - 1] - x[j - 2];
    const double dy = y[j - 1] - y[j - 2];
    const double k = turns[j];
    x[j] = k == 0.0 ? x[j - 1] + dx : x[j - 1] + (dx + k * dy);
    y[j] = k == 0.0 ? y[j - 1] + dy : y[j - 1] + (dy - k * dx);
  }
  std::string file;
  for (const std::vector<double>* column : {&x, &y}) {
    for (int64_t j = 0; j <= last_row; ++j) {
      if (j >= computed) {
        PutFixed16(&file, 0);
      } else if (j < 2) {
        PutFixed16(&file, 2);
        PutInt16(&file, static_cast<int16_t>((*column)[j]));
      } else {
        PutFixed16(&file, 5);
        PutFloat64(&file, (*column)[j]);
      }
    }
  }
  return file;
}

TEST(RouteTableTest, AnyRunOfStretchesGivesTheFileOfItsDefinition) {
  // Straight and curved stretches of every class and hand, some behind the
  // plan cursor, some beyond the last row; pieces of any size.
  const double kTurns[] = {0.0, 0.0001, -0.0002, 0.0004, -0.001, 0.002, -0.003, 0.003};
  std::mt19937 random(15);
  for (int round = 0; round < 60; ++round) {
    const int64_t last_row = 7000 + static_cast<int64_t>(random() % 3000);
    RouteTable table;
    table.Size(last_row);
    table.SetOrigin();
    std::vector<double> turns(last_row + 1, 0.0);
    const int extends = static_cast<int>(random() % 12);
    for (int i = 0; i < extends; ++i) {
      const int64_t last = static_cast<int64_t>(random() % (last_row + 500));
      const double turn = kTurns[random() % 8];
      for (int64_t j = table.next_row(); j <= std::min(last, last_row); ++j) turns[j] = turn;
      table.Extend(last, turn);
    }
    if (round % 2 == 0) table.Extend(last_row - 2, 0.0);
    const std::string expected = ReferenceFile(last_row, table.next_row(), turns);

    EXPECT_EQ(table.EncodedSize(), expected.size()) << round;
    std::string whole;
    table.Encode(&whole);
    ASSERT_EQ(whole, expected) << round;
    const size_t piece_bytes = 10 + random() % 5000;
    RouteFilePieces pieces(table, piece_bytes);
    ASSERT_EQ(AllPieces(pieces, piece_bytes), expected) << round << " " << piece_bytes;
  }
}

}  // namespace
}  // namespace scenario
