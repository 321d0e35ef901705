#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "descriptions/read_observer.h"
#include "grid/cell_writers.h"

namespace scenario {
namespace {

class PlacementLog : public ReadObserver {
 public:
  void OnPlace(int64_t cell, uint8_t type) override { placed.emplace_back(cell, type); }
  std::vector<std::pair<int64_t, uint8_t>> placed;
};

struct Signal {
  int32_t posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo;
};

void PlaceSignal(GeneratorState& state, Signal s) {
  memo_segnale(state, s.posizione, s.sx, s.s1, s.s2, s.s3, s.rapp, s.dx, s.d1, s.d2, s.d3, s.tempo);
}

struct Slowdown {
  int32_t x, v, l, f_tt, f_ta, d_v;
};

void PlaceSlowdown(GeneratorState& state, Slowdown s) {
  memo_rallentamento(state, s.x, s.v, s.l, s.f_tt, s.f_ta, s.d_v);
}

class WriterTest : public ::testing::Test {
 protected:
  WriterTest() { state.grid.Size(270000); }  // N = 5540
  Cell& cell(int64_t i) { return state.grid.at(i); }
  GeneratorState state;
};

TEST_F(WriterTest, SignalOfTheCarriedDescription) {
  PlacementLog log;
  state.observer = &log;
  PlaceSignal(state, {20500, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0});
  EXPECT_EQ(state.error_code, 0);
  const Cell& c = cell(411);
  EXPECT_EQ(c.cell_type, kSignal);
  EXPECT_EQ(c.value_a, 41);
  EXPECT_EQ(c.value_b, 0);
  EXPECT_EQ(c.value_c, 0);
  EXPECT_EQ(c.value_d, 8);
  EXPECT_EQ(c.signal_time, 0);
  EXPECT_EQ(cell(409).approach_mark, 81);
  EXPECT_EQ(cell(407).approach_mark, 82);
  EXPECT_EQ(cell(405).approach_mark, 83);
  EXPECT_EQ(cell(403).approach_mark, 84);
  EXPECT_EQ(cell(410).approach_mark, 0);
  EXPECT_EQ(cell(401).approach_mark, 0);
  ASSERT_EQ(log.placed.size(), 1u);
  EXPECT_EQ(log.placed[0], std::make_pair(int64_t{411}, uint8_t{kSignal}));
}

TEST_F(WriterTest, SignalValuesKeepTheirLowBits) {
  PlaceSignal(state, {1000, 2, 7, 6, 5, 2, 1, 3, 2, 1, 0});
  EXPECT_EQ(cell(21).value_a, 73);
  EXPECT_EQ(cell(21).value_b, 62);
  EXPECT_EQ(cell(21).value_c, 51);
  EXPECT_EQ(cell(21).value_d, 27);  // rapp * 10 + sx * 3 + dx
  PlaceSignal(state, {2000, 1, 6600, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(cell(41).value_a, static_cast<int16_t>(66000 - 65536));
  EXPECT_EQ(cell(39).approach_mark, 31);
}

TEST_F(WriterTest, SignalWaitingTime) {
  struct Case {
    int32_t sx, tempo, adjusted;
    uint8_t signal_time;
  };
  const Case cases[] = {
      {2, 30, 101, 101}, {2, 1, 101, 101}, {2, 100, 101, 101}, {2, 101, 101, 101},
      {2, 150, 150, 150}, {2, 0, 0, 0},     {2, -5, -5, 251},   {1, 30, 101, 0},
      {1, 150, 150, 0},   {2, 300, 300, 44},
  };
  int32_t position = 1000;
  for (const Case& c : cases) {
    int32_t sx = c.sx, s1 = 1, zero = 0, tempo = c.tempo;
    memo_segnale(state, position, sx, s1, zero, zero, zero, zero, zero, zero, zero, tempo);
    EXPECT_EQ(tempo, c.adjusted) << "tempo " << c.tempo;
    EXPECT_EQ(cell(position / 50 + 1).signal_time, c.signal_time) << "sx " << c.sx << " tempo " << c.tempo;
    position += 1000;
  }
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(WriterTest, SignalCellRoundsHalvesToEven) {
  PlaceSignal(state, {1050, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(cell(22).cell_type, kSignal);
  for (int32_t position : {1025, 1075}) {
    state.error_code = 0;
    PlaceSignal(state, {position, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(state.error_code, 16) << position;
  }
  EXPECT_EQ(cell(22).value_a, 10);
  state.error_code = 0;
  PlaceSignal(state, {1125, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0});
  PlaceSignal(state, {1100, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell(24).cell_type, kSignal);
  EXPECT_EQ(cell(23).cell_type, kSignal);
}

TEST_F(WriterTest, SignalNeedsAFreeCell) {
  cell(411).cell_type = kTunnelMarker;
  PlaceSignal(state, {20500, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0});
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell(411).cell_type, kSignal);

  cell(501).cell_type = kSpeedBoard;
  cell(501).value_a = 1717;
  PlaceSignal(state, {25000, 1, 4, 0, 0, 0, 0, 1, 0, 0, 0});
  EXPECT_EQ(state.error_code, 16);
  EXPECT_EQ(cell(501).cell_type, kSpeedBoard);
  EXPECT_EQ(cell(501).value_a, 1717);
  EXPECT_EQ(cell(499).approach_mark, 0);
}

TEST_F(WriterTest, SignalBeyondTheGridIsRefusedWithoutWriting) {
  state.grid.Size(0);  // N = 140
  PlaceSignal(state, {7000, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0});  // cell 141
  EXPECT_EQ(state.error_code, 16);
  EXPECT_EQ(cell(139).approach_mark, 0);
}

TEST_F(WriterTest, SignalMarksBeforeCellZeroAreSkipped) {
  PlaceSignal(state, {100, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0});  // cell 3
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell(3).cell_type, kSignal);
  EXPECT_EQ(cell(1).approach_mark, 31);
  EXPECT_EQ(cell(0).approach_mark, 0);
}

TEST_F(WriterTest, SlowdownWithBoards) {
  PlacementLog log;
  state.observer = &log;
  cell(54).value_b = 77;  // kept: d_v is 0
  PlaceSlowdown(state, {10000, 60, 1000, 5, 1, 0});
  EXPECT_EQ(state.error_code, 0);
  // warning round(8800 / 50 + 1) = 177, start 201, end 221, pre-warning 176 .. 173
  EXPECT_EQ(cell(177).cell_type, kSlowdownWarning);
  EXPECT_EQ(cell(177).value_a, 60);
  EXPECT_EQ(cell(177).value_c, 0);
  EXPECT_EQ(cell(201).cell_type, kSlowdownStart);
  EXPECT_EQ(cell(221).cell_type, kSlowdownEnd);
  for (int64_t c : {201, 221}) {
    EXPECT_EQ(cell(c).value_a, 60);
    EXPECT_EQ(cell(c).value_b, 0);
    EXPECT_EQ(cell(c).value_c, 5);
  }
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(cell(176 - k).cell_type, kSlowdownPrewarning);
    EXPECT_EQ(cell(176 - k).value_a, k + 1);
    EXPECT_EQ(cell(176 - k).value_b, 0);
  }
  EXPECT_EQ(cell(172).cell_type, kEmpty);
  const std::vector<std::pair<int64_t, uint8_t>> order = {
      {221, 2}, {201, 3}, {177, 4}, {176, 5}, {175, 5}, {174, 5}, {173, 5}};
  EXPECT_EQ(log.placed, order);
}

TEST_F(WriterTest, SlowdownSpeedDifferenceGoesIntoValueB) {
  PlaceSlowdown(state, {10000, 60, 1000, 5, 1, 40});
  for (int64_t c : {177, 201, 221}) EXPECT_EQ(cell(c).value_b, 40) << c;
  for (int k = 0; k < 4; ++k) EXPECT_EQ(cell(176 - k).value_b, k + 1);
}

TEST_F(WriterTest, SlowdownBoardsOnlyBeyond1500) {
  PlaceSlowdown(state, {1500, 30, 500, 0, 1, 0});
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell(31).cell_type, kSlowdownStart);
  EXPECT_EQ(cell(41).cell_type, kSlowdownEnd);
  for (int64_t c = 0; c < 31; ++c) EXPECT_EQ(cell(c).cell_type, kEmpty) << c;

  GeneratorState near;
  near.grid.Size(270000);
  PlaceSlowdown(near, {1550, 30, 500, 0, 1, 0});
  EXPECT_EQ(near.error_code, 0);
  EXPECT_EQ(near.grid.at(8).cell_type, kSlowdownWarning);  // round(350 / 50 + 1)
  for (int64_t c = 4; c <= 7; ++c) EXPECT_EQ(near.grid.at(c).cell_type, kSlowdownPrewarning) << c;
  EXPECT_EQ(near.grid.at(7).value_a, 1);
  EXPECT_EQ(near.grid.at(4).value_a, 4);
}

TEST_F(WriterTest, PrewarningBlockAtHalfCells) {
  struct Case {
    int32_t x;
    int64_t first, last;  // pre-warning block first .. last (downward); 0 = collision
  };
  const Case cases[] = {{2725, 30, 27}, {2750, 31, 28}, {2775, 0, 0}};
  for (const Case& c : cases) {
    GeneratorState s;
    s.grid.Size(270000);
    PlaceSlowdown(s, {c.x, 50, 400, 0, 1, 0});  // start cell 56, end cell 64 in all three
    EXPECT_EQ(s.grid.at(32).cell_type, kSlowdownWarning) << c.x;
    if (c.first == 0) {
      EXPECT_EQ(s.error_code, 20) << c.x;
      EXPECT_EQ(s.grid.at(32).value_a, 50);
      for (int64_t i = 28; i <= 31; ++i) EXPECT_EQ(s.grid.at(i).cell_type, kEmpty) << i;
      EXPECT_EQ(s.grid.at(56).cell_type, kSlowdownStart);
      EXPECT_EQ(s.grid.at(64).cell_type, kSlowdownEnd);
      continue;
    }
    EXPECT_EQ(s.error_code, 0) << c.x;
    for (int64_t i = c.last; i <= c.first; ++i) {
      EXPECT_EQ(s.grid.at(i).cell_type, kSlowdownPrewarning) << c.x << " cell " << i;
    }
    EXPECT_EQ(s.grid.at(c.last - 1).cell_type, kEmpty);
    if (c.first == 30) {
      EXPECT_EQ(s.grid.at(31).cell_type, kEmpty);
    }
  }
}

TEST_F(WriterTest, SlowdownConflicts) {
  struct Case {
    int64_t occupied;
    int32_t code;
  };
  // x = 10000, l = 1000: warning 177, start 201, end 221, pre-warning 176 .. 173
  const Case cases[] = {{177, 17}, {201, 18}, {221, 19}};
  for (const Case& c : cases) {
    GeneratorState s;
    s.grid.Size(270000);
    s.grid.at(c.occupied).cell_type = kSignal;
    PlaceSlowdown(s, {10000, 60, 1000, 5, 1, 0});
    EXPECT_EQ(s.error_code, c.code);
    for (int64_t i : {173, 174, 175, 176, 177, 201, 221}) {
      if (i != c.occupied) {
        EXPECT_EQ(s.grid.at(i).cell_type, kEmpty) << c.code << " cell " << i;
      }
    }
    EXPECT_EQ(s.grid.at(c.occupied).cell_type, kSignal);
  }
  cell(174).cell_type = kSpeedBoard;
  PlaceSlowdown(state, {10000, 60, 1000, 5, 1, 0});
  EXPECT_EQ(state.error_code, 20);
  EXPECT_EQ(cell(177).cell_type, kSlowdownWarning);
  EXPECT_EQ(cell(201).cell_type, kSlowdownStart);
  EXPECT_EQ(cell(221).value_c, 5);
  EXPECT_EQ(cell(176).cell_type, kEmpty);
}

TEST_F(WriterTest, PrewarningConflictOnAnyOfItsFourCells) {
  // x = 10000: the block is 176 .. 173, checked whole after the boards.
  for (int64_t occupied : {176, 175, 174, 173}) {
    GeneratorState s;
    s.grid.Size(270000);
    s.grid.at(occupied).cell_type = kSignal;
    PlaceSlowdown(s, {10000, 60, 1000, 5, 1, 0});
    EXPECT_EQ(s.error_code, 20) << occupied;
    EXPECT_EQ(s.grid.at(177).cell_type, kSlowdownWarning) << occupied;
    for (int64_t i = 173; i <= 176; ++i) {
      EXPECT_EQ(s.grid.at(i).cell_type, i == occupied ? kSignal : kEmpty)
          << occupied << " cell " << i;
    }
  }
}

TEST_F(WriterTest, SlowdownReplacesTunnelMarkers) {
  cell(201).cell_type = kTunnelMarker;
  cell(175).cell_type = kTunnelMarker;
  PlaceSlowdown(state, {10000, 60, 1000, 5, 1, 0});
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell(201).cell_type, kSlowdownStart);
  EXPECT_EQ(cell(175).cell_type, kSlowdownPrewarning);
}

TEST_F(WriterTest, ShortSlowdownEndsAsAStart) {
  PlaceSlowdown(state, {10000, 60, 20, 5, 0, 0});  // start and end both in cell 201
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell(201).cell_type, kSlowdownStart);
  EXPECT_EQ(cell(201).value_a, 60);
  EXPECT_EQ(cell(202).cell_type, kEmpty);
}

TEST_F(WriterTest, SlowdownEndBeyondTheGridIsRefused) {
  PlaceSlowdown(state, {270000, 60, 10000, 5, 0, 0});  // end cell 5601 > N
  EXPECT_EQ(state.error_code, 19);
  EXPECT_EQ(cell(5401).cell_type, kEmpty);
}

}  // namespace
}  // namespace scenario
