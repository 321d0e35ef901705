#include <gtest/gtest.h>

#include "grid/completion_pass.h"

namespace scenario {
namespace {

class CompletionPassTest : public ::testing::Test {
 protected:
  CompletionPassTest() { state.grid.Size(270000); }  // N = 5540

  void Put(int64_t i, uint8_t type, int16_t value_a = 0) {
    state.grid.at(i).cell_type = type;
    state.grid.at(i).value_a = value_a;
  }
  bool IsReduction(int64_t i, int16_t value = 180) {
    const Cell& c = state.grid.at(i);
    return c.cell_type == kCodeReduction && c.value_a == value;
  }
  int CountReductions() {
    int count = 0;
    for (const Cell& c : state.grid.cells()) count += c.cell_type == kCodeReduction;
    return count;
  }

  GeneratorState state;
};

TEST(Minimo, SmallerOfTwoFirstWhenEqual) {
  EXPECT_EQ(minimo(180, 270), 180);
  EXPECT_EQ(minimo(180, 150), 150);
  EXPECT_EQ(minimo(180, 180), 180);
  EXPECT_EQ(minimo(-5, 3), -5);
}

TEST_F(CompletionPassTest, GridWithoutSlowdownsStaysUnchanged) {
  Put(411, kSignal, 41);
  Put(300, kCodeReduction, 270);
  Put(100, kSpeedBoard, 1717);
  const std::vector<Cell> before = state.grid.cells();
  CompleteGrid(state);
  ASSERT_EQ(state.grid.cells().size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(state.grid.cells()[i].cell_type, before[i].cell_type) << i;
    EXPECT_EQ(state.grid.cells()[i].value_a, before[i].value_a) << i;
  }
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(CompletionPassTest, LookBackPlacesInFrontOfTheSignal) {
  Put(100, kSlowdownWarning, 60);
  Put(90, kSignal);
  CompleteGrid(state);
  EXPECT_TRUE(IsReduction(89));
  EXPECT_EQ(state.grid.at(88).cell_type, kEmpty);
  EXPECT_EQ(CountReductions(), 1);
}

TEST_F(CompletionPassTest, LookBackTakesTheSecondCellOrLowersAReduction) {
  struct Case {
    int16_t existing;  // value of a code reduction in cell 89
    int16_t expected;
  };
  for (Case c : {Case{270, 180}, Case{150, 150}, Case{180, 180}}) {
    GeneratorState s;
    s.grid.Size(270000);
    s.grid.at(100).cell_type = kSlowdownWarning;
    s.grid.at(90).cell_type = kSignal;
    s.grid.at(89).cell_type = kCodeReduction;
    s.grid.at(89).value_a = c.existing;
    s.grid.at(88).cell_type = kSignal;  // its own cells 87 and 86 are free
    CompleteGrid(s);
    EXPECT_EQ(s.grid.at(89).value_a, c.expected) << c.existing;
    EXPECT_EQ(s.grid.at(87).cell_type, kCodeReduction);
    EXPECT_EQ(s.error_code, 0);
  }
  // Cell 89 occupied by something else, 88 free: the reduction goes to 88.
  Put(100, kSlowdownWarning);
  Put(90, kSignal);
  Put(89, kSpeedBoard);
  CompleteGrid(state);
  EXPECT_TRUE(IsReduction(88));
  EXPECT_EQ(state.grid.at(89).cell_type, kSpeedBoard);
}

TEST_F(CompletionPassTest, LookBackCoversEverySignalWithin20Cells) {
  Put(100, kSlowdownWarning);
  Put(95, kSignal);
  Put(85, kSignal);
  Put(79, kSignal);  // 21 cells back
  CompleteGrid(state);
  EXPECT_TRUE(IsReduction(94));
  EXPECT_TRUE(IsReduction(84));
  EXPECT_EQ(state.grid.at(78).cell_type, kEmpty);
  EXPECT_EQ(CountReductions(), 2);
}

TEST_F(CompletionPassTest, LookBackError11) {
  Put(100, kSlowdownWarning);
  Put(90, kSignal);
  Put(89, kSpeedBoard);
  Put(88, kSignBoard);
  CompleteGrid(state);
  EXPECT_EQ(state.error_code, 11);
  EXPECT_EQ(state.error_position, 90 * 50);
}

TEST_F(CompletionPassTest, LookBackStopsAtCell3) {
  Put(10, kSlowdownWarning);
  Put(3, kSignal);
  Put(2, kSignal);
  CompleteGrid(state);
  EXPECT_TRUE(IsReduction(1));  // in front of the signal in cell 3
  EXPECT_EQ(state.grid.at(0).cell_type, kEmpty);  // the signal in cell 2 is not looked at
}

TEST_F(CompletionPassTest, WindowsBeforeASlowdownStart) {
  struct Case {
    int64_t start;
    std::vector<int64_t> reductions;
  };
  const Case cases[] = {
      {7, {}}, {8, {3}}, {13, {8}}, {14, {9, 3}}, {20, {15, 9}}, {21, {16, 10, 3}}, {50, {45, 39, 32}},
  };
  for (const Case& c : cases) {
    GeneratorState s;
    s.grid.Size(270000);
    s.grid.at(c.start).cell_type = kSlowdownStart;
    s.grid.at(c.start).value_a = 110;  // no walk
    CompleteGrid(s);
    int count = 0;
    for (const Cell& cell : s.grid.cells()) count += cell.cell_type == kCodeReduction;
    EXPECT_EQ(count, static_cast<int>(c.reductions.size())) << "start " << c.start;
    for (int64_t r : c.reductions) {
      EXPECT_EQ(s.grid.at(r).cell_type, kCodeReduction) << "start " << c.start << " cell " << r;
      EXPECT_EQ(s.grid.at(r).value_a, 180);
    }
    EXPECT_EQ(s.error_code, 0);
  }
}

TEST_F(CompletionPassTest, WindowTakesTheFirstFreeCell) {
  Put(50, kSlowdownStart, 110);
  Put(45, kSignal);
  Put(38, kTunnelMarker);
  Put(39, kSpeedBoard);
  CompleteGrid(state);
  EXPECT_TRUE(IsReduction(44));
  EXPECT_TRUE(IsReduction(38));  // a tunnel marker counts as free
  EXPECT_TRUE(IsReduction(32));
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(CompletionPassTest, FullWindowRecords12AndGoesOn) {
  Put(50, kSlowdownStart, 110);
  for (int64_t c : {37, 38, 39}) Put(c, kSignBoard);
  CompleteGrid(state);
  EXPECT_EQ(state.error_code, 12);
  EXPECT_EQ(state.error_position, 2500);
  EXPECT_TRUE(IsReduction(45));
  EXPECT_TRUE(IsReduction(32));
}

TEST_F(CompletionPassTest, SpacingWalkInsideASlowSlowdown) {
  Put(50, kSlowdownStart, 100);
  Put(80, kSlowdownEnd, 100);
  CompleteGrid(state);
  for (int64_t c : {58, 66, 74}) EXPECT_TRUE(IsReduction(c)) << c;
  EXPECT_EQ(CountReductions(), 6);  // three windows and three in the walk
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(CompletionPassTest, DisplacedWalkReductionShiftsTheRest) {
  Put(50, kSlowdownStart, 100);
  Put(80, kSlowdownEnd, 100);
  Put(58, kSignBoard);
  CompleteGrid(state);
  for (int64_t c : {57, 65, 73}) EXPECT_TRUE(IsReduction(c)) << c;
  EXPECT_EQ(CountReductions(), 6);

  GeneratorState s;  // 58 and 57 taken: the reduction goes to 59, then 67, 75
  s.grid.Size(270000);
  s.grid.at(50) = {kSlowdownStart, 100};
  s.grid.at(80) = {kSlowdownEnd, 100};
  s.grid.at(58).cell_type = kSignBoard;
  s.grid.at(57).cell_type = kSignBoard;
  CompleteGrid(s);
  for (int64_t c : {59, 67, 75}) EXPECT_EQ(s.grid.at(c).cell_type, kCodeReduction) << c;
}

TEST_F(CompletionPassTest, WalkError13StopsFurtherWalkReductions) {
  Put(50, kSlowdownStart, 100);
  Put(80, kSlowdownEnd, 100);
  for (int64_t c : {57, 58, 59}) Put(c, kSignBoard);
  CompleteGrid(state);
  EXPECT_EQ(state.error_code, 13);
  EXPECT_EQ(state.error_position, 58 * 50);
  for (int64_t c = 51; c < 80; ++c) EXPECT_NE(state.grid.at(c).cell_type, kCodeReduction) << c;
}

TEST_F(CompletionPassTest, FastSlowdownHasNoWalkAndNoReductionAfterItsEnd) {
  Put(50, kSlowdownStart, 110);
  Put(80, kSlowdownEnd, 110);
  Put(85, kSignal);
  CompleteGrid(state);
  EXPECT_EQ(CountReductions(), 3);  // the windows only
  EXPECT_EQ(state.grid.at(58).cell_type, kEmpty);
  EXPECT_EQ(state.grid.at(84).cell_type, kEmpty);
}

TEST_F(CompletionPassTest, ReductionInFrontOfTheFirstSignalAfterTheEnd) {
  Put(50, kSlowdownStart, 100);
  Put(80, kSlowdownEnd, 100);
  Put(85, kSignal);
  Put(90, kSignal);
  CompleteGrid(state);
  EXPECT_TRUE(IsReduction(84));
  EXPECT_EQ(state.grid.at(89).cell_type, kEmpty);
}

TEST_F(CompletionPassTest, ReductionAfterTheEndMovesBackOnce) {
  Put(50, kSlowdownStart, 100);
  Put(80, kSlowdownEnd, 100);
  Put(85, kSignal);
  Put(84, kSpeedBoard);
  CompleteGrid(state);
  EXPECT_TRUE(IsReduction(83));
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(CompletionPassTest, NoRoomAfterTheEndRecords13AtTheEndCell) {
  Put(50, kSlowdownStart, 100);
  Put(80, kSlowdownEnd, 100);
  Put(85, kSignal);
  Put(84, kSpeedBoard);
  Put(83, kSignBoard);
  CompleteGrid(state);
  EXPECT_EQ(state.error_code, 13);
  EXPECT_EQ(state.error_position, 80 * 50);
}

TEST_F(CompletionPassTest, SearchAfterTheEndCoversThirteenCells) {
  for (int64_t signal : {92, 93}) {
    GeneratorState s;
    s.grid.Size(270000);
    s.grid.at(50) = {kSlowdownStart, 100};
    s.grid.at(80) = {kSlowdownEnd, 100};
    s.grid.at(signal).cell_type = kSignal;
    CompleteGrid(s);
    EXPECT_EQ(s.grid.at(signal - 1).cell_type, signal == 92 ? kCodeReduction : kEmpty) << signal;
  }
}

TEST_F(CompletionPassTest, StartsInTheLastTwoCellsAreNotExamined) {
  const int64_t n = state.grid.last_index();
  Put(n - 1, kSlowdownStart, 100);
  Put(n, kSlowdownStart, 100);
  CompleteGrid(state);
  EXPECT_EQ(CountReductions(), 0);
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(CompletionPassTest, WalkWithoutAnEndStopsAtTheLastCell) {
  const int64_t n = state.grid.last_index();
  Put(n - 10, kSlowdownStart, 100);
  Put(n - 1, kSignal);
  // Without an end there is no search after it: this signal near the start
  // of the line gets no reduction.
  Put(5, kSignal);
  CompleteGrid(state);
  EXPECT_EQ(state.grid.at(4).cell_type, kEmpty);
  EXPECT_EQ(state.grid.at(3).cell_type, kEmpty);
  EXPECT_EQ(state.error_code, 13);
  EXPECT_EQ(state.error_position, n * 50);
  EXPECT_TRUE(IsReduction(n - 2));  // 8 cells into the walk
  EXPECT_EQ(state.grid.at(n - 2).cell_type, kCodeReduction);
  EXPECT_EQ(state.grid.at(n - 3).cell_type, kEmpty);  // no reduction in front of that signal
}

TEST_F(CompletionPassTest, SearchAfterAnEndNearTheLastCellStopsThere) {
  const int64_t n = state.grid.last_index();
  Put(n - 6, kSlowdownStart, 100);
  Put(n - 3, kSlowdownEnd, 100);
  Put(n, kSignal);
  CompleteGrid(state);
  EXPECT_EQ(state.error_code, 0);
  EXPECT_TRUE(IsReduction(n - 1));
}

}  // namespace
}  // namespace scenario
