// Packing and unpacking of the cell fields: the figures the writers are
// known to store, and every stored 16-bit value coming apart into values
// that pack back to it.
#include "grid/cell_fields.h"

#include <gtest/gtest.h>

#include "grid/cell_types.h"

namespace scenario {
namespace {

TEST(CellFieldsTest, SignalOfTheCarriedLineComesApartAsWritten) {
  // segnale, 20500, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0
  EXPECT_EQ(PackDigitPair(4, 1), 41);
  EXPECT_EQ(PackSignalSides(0, 2, 2), 8);
  const DigitPair first = UnpackDigitPair(41);
  EXPECT_EQ(first.tens, 4);
  EXPECT_EQ(first.units, 1);
  const SignalSides sides = UnpackSignalSides(8);
  EXPECT_EQ(sides.rapp, 0);
  EXPECT_EQ(sides.sx, 2);
  EXPECT_EQ(sides.dx, 2);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(PackSignalApproachMark(2, 2, k), 80 + k);
}

TEST(CellFieldsTest, SignalTimeKeepsOnlyWhatSxTwoStores) {
  struct Case {
    int sx, tempo, stored;
  } cases[] = {{2, 30, 101}, {2, 150, 150}, {1, 30, 0}, {2, 0, 0}, {2, 101, 101}, {2, 300, 44}};
  for (const Case& c : cases) {
    EXPECT_EQ(PackSignalTime(c.sx, c.tempo), c.stored) << c.sx << " " << c.tempo;
  }
  for (int stored = 0; stored < 256; ++stored) {
    const uint8_t s = static_cast<uint8_t>(stored);
    EXPECT_EQ(PackSignalTime(2, UnpackSignalTime(s)), s) << stored;
  }
}

TEST(CellFieldsTest, SpeedBoardOfTheCarriedLineComesApartAsWritten) {
  EXPECT_EQ(PackBoardSpeeds(85, 85), 1717);
  EXPECT_EQ(PackBoardSpeeds(90, 90), 1818);
  EXPECT_EQ(PackBoardSpeeds(95, 95), 1919);
  EXPECT_EQ(PackBoardSpeeds(155, 165), 3133);
  const BoardSpeeds speeds = UnpackBoardSpeeds(1717);
  EXPECT_EQ(speeds.left, 85);
  EXPECT_EQ(speeds.right, 85);
}

TEST(CellFieldsTest, EveryStoredValueUnpacksToValuesThatPackBackToIt) {
  for (int v = -32768; v <= 32767; ++v) {
    const int16_t stored = static_cast<int16_t>(v);
    const DigitPair pair = UnpackDigitPair(stored);
    ASSERT_EQ(PackDigitPair(pair.tens, pair.units), stored);
    for (bool timed : {false, true}) {
      const SignalSides sides = UnpackSignalSides(stored, timed);
      ASSERT_EQ(PackSignalSides(sides.rapp, sides.sx, sides.dx), stored);
      ASSERT_EQ(PackSignalApproachMark(sides.sx, sides.dx, 1), Low8(FloorRest(stored, 10) * 10 + 1));
    }
    const BoardSpeeds speeds = UnpackBoardSpeeds(stored);
    ASSERT_EQ(Low16(PackBoardSpeeds(speeds.left, speeds.right)), stored);
  }
  for (int stored = 0; stored < 256; ++stored) {
    const uint8_t s = static_cast<uint8_t>(stored);
    EXPECT_EQ(PackSpeedLimit(UnpackSpeedLimit(s)), stored);
    EXPECT_EQ(PackGradient(UnpackGradient(s)), s);
  }
}

TEST(CellTypesTest, NamesEveryTypeTheWritersPlaceAndOnlyThose) {
  const std::pair<uint8_t, const char*> expected[] = {
      {0, "empty"},          {1, "signal"},          {2, "slowdown_end"},
      {3, "slowdown_start"}, {4, "slowdown_warning"}, {5, "slowdown_prewarning"},
      {6, "speed_board"},    {10, "station_stop"},    {11, "tunnel_marker"},
      {12, "code_reduction"}, {13, "code_zero"},      {14, "sign_board"}};
  for (const auto& [code, name] : expected) {
    ASSERT_NE(FindCellType(code), nullptr) << int(code);
    EXPECT_STREQ(FindCellType(code)->name, name);
    Cell cell;
    cell.cell_type = code;
    // An object is exactly what makes a cell not free.
    EXPECT_EQ(FindCellType(code)->is_object, !cell.IsFree()) << name;
  }
  EXPECT_EQ(CellTypes().size(), std::size(expected));
  for (uint8_t code : {7, 8, 9, 15, 255}) {
    EXPECT_EQ(FindCellType(code), nullptr);
    EXPECT_EQ(CellTypeName(code), "type_" + std::to_string(code));
  }
}

}  // namespace
}  // namespace scenario
