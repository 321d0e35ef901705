#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/generator_state.h"
#include "descriptions/field_stream.h"
#include "descriptions/read_observer.h"
#include "grid/cell_writers.h"

namespace scenario {
namespace {

struct Tunnel {
  int32_t inizio;
  int32_t fine;
  int32_t tipo;
};

// Calls memo_montagna and returns tipo as the writer left it.
int32_t AddTunnel(GeneratorState& state, Tunnel tunnel) {
  memo_montagna(state, tunnel.inizio, tunnel.fine, tunnel.tipo);
  return tunnel.tipo;
}

GeneratorState StateWithRoute(int64_t length) {
  GeneratorState state;
  state.grid.Size(length);
  return state;
}

TEST(MemoMontagnaTest, FirstTunnelWithMarkers) {
  GeneratorState state = StateWithRoute(270000);
  EXPECT_EQ(AddTunnel(state, {19400, 21300, 11}), 1);
  for (int64_t c = 386; c <= 427; ++c) {
    const Cell& cell = state.grid.at(c);
    const bool inside = c >= 388 && c <= 425;
    EXPECT_EQ(cell.tunnel_kind, inside ? 1 : 0) << c;
    const bool marker = inside && (c - 388 + 1) % 4 == 0;  // 391, 395, ... 423
    EXPECT_EQ(cell.cell_type, marker ? kTunnelMarker : kEmpty) << c;
  }
  EXPECT_EQ(state.grid.at(391).cell_type, kTunnelMarker);
  EXPECT_EQ(state.grid.at(423).cell_type, kTunnelMarker);
  EXPECT_EQ(state.tunnel_count, 1);
  EXPECT_EQ(state.tunnel_start[1], 19400);
  EXPECT_EQ(state.tunnel_end[1], 21300);
}

TEST(MemoMontagnaTest, MarkersOnlyInEmptyCellsAndKindOverEverything) {
  GeneratorState state = StateWithRoute(1000);
  state.grid.at(3).cell_type = kSpeedBoard;
  AddTunnel(state, {0, 1000, 12});  // cells 0 .. 19, markers due at 3, 7, 11, 15, 19
  EXPECT_EQ(state.grid.at(3).cell_type, kSpeedBoard);
  EXPECT_EQ(state.grid.at(3).tunnel_kind, 2);
  EXPECT_EQ(state.grid.at(7).cell_type, kTunnelMarker);
  EXPECT_EQ(state.grid.at(19).cell_type, kTunnelMarker);
  EXPECT_EQ(state.grid.at(20).tunnel_kind, 0);
}

TEST(MemoMontagnaTest, WithoutMarkerRequestNoMarkers) {
  GeneratorState state = StateWithRoute(1000);
  EXPECT_EQ(AddTunnel(state, {0, 1000, 10}), 10);
  EXPECT_EQ(state.grid.at(3).cell_type, kEmpty);
  EXPECT_EQ(state.grid.at(3).tunnel_kind, 10);
}

TEST(MemoMontagnaTest, GapToThePreviousRecordDecidesKind3) {
  struct Case {
    Tunnel second;
    int32_t kind;
    int64_t first_cell;
  };
  const Case cases[] = {
      {{2150, 3000, 12}, 3, 43},  // 150 m after the previous end
      {{2151, 3000, 12}, 2, 43},  // 151 m
      {{500, 900, 1}, 3, 10},     // behind the previous tunnel: the gap is negative
  };
  for (const Case& c : cases) {
    GeneratorState state = StateWithRoute(10000);
    AddTunnel(state, {1000, 2000, 1});
    EXPECT_EQ(AddTunnel(state, c.second), c.kind) << c.second.inizio;
    EXPECT_EQ(state.grid.at(c.first_cell).tunnel_kind, c.kind);
  }
}

TEST(MemoMontagnaTest, ReversedTunnelIsListedButWritesNothing) {
  GeneratorState state = StateWithRoute(270000);
  AddTunnel(state, {222800, 114100, 11});
  EXPECT_EQ(state.tunnel_count, 1);
  EXPECT_EQ(state.tunnel_start[1], 222800);
  EXPECT_EQ(state.tunnel_end[1], 114100);
  for (const Cell& cell : state.grid.cells()) {
    ASSERT_EQ(cell.tunnel_kind, 0);
    ASSERT_EQ(cell.cell_type, kEmpty);
  }
}

TEST(MemoMontagnaTest, ListsGrowBeyond80Tunnels) {
  GeneratorState state = StateWithRoute(100000);
  for (int32_t n = 1; n <= 100; ++n) AddTunnel(state, {n * 1000, n * 1000 + 500, 1});
  EXPECT_EQ(state.tunnel_count, 100);
  EXPECT_EQ(state.tunnel_start[100], 100000);
  EXPECT_EQ(state.tunnel_end[81], 81500);
  EXPECT_EQ(state.grid.at(2000).tunnel_kind, 1);
}

TEST(MemoMontagnaTest, CellsOutsideTheGridAreSkippedButCounted) {
  GeneratorState state = StateWithRoute(0);  // N = 140
  // Cells -3 .. 19: the fourth cell of the span is cell 0, so markers fall
  // on 0, 4, 8, 12, 16.
  AddTunnel(state, {-150, 1000, 11});
  EXPECT_EQ(state.grid.at(0).tunnel_kind, 1);
  EXPECT_EQ(state.grid.at(0).cell_type, kTunnelMarker);
  EXPECT_EQ(state.grid.at(3).cell_type, kEmpty);
  EXPECT_EQ(state.grid.at(16).cell_type, kTunnelMarker);
  EXPECT_EQ(state.grid.at(19).cell_type, kEmpty);
  // Cells 137 .. 159 of which 137 .. 140 exist; the fourth is cell 140.
  AddTunnel(state, {6850, 8000, 11});
  EXPECT_EQ(state.grid.at(140).cell_type, kTunnelMarker);
  EXPECT_EQ(state.grid.at(140).tunnel_kind, 1);
  EXPECT_EQ(state.grid.at(136).tunnel_kind, 0);
}

TEST(MemoMontagnaTest, TunnelNearTheRouteStartBeginsAtItsRoundedCell) {
  struct Case {
    int32_t inizio;
    int64_t first;  // round(inizio / 50), halves to even
  };
  const Case cases[] = {{0, 0}, {25, 0}, {26, 1}, {50, 1}, {74, 1}, {75, 2}};
  for (const Case& c : cases) {
    GeneratorState state = StateWithRoute(1000);
    AddTunnel(state, {c.inizio, 1000, 11});
    for (int64_t cell = 0; cell <= 8; ++cell) {
      const bool inside = cell >= c.first;
      EXPECT_EQ(state.grid.at(cell).tunnel_kind, inside ? 1 : 0) << c.inizio << " cell " << cell;
      const bool marker = inside && (cell - c.first + 1) % 4 == 0;
      EXPECT_EQ(state.grid.at(cell).cell_type, marker ? kTunnelMarker : kEmpty)
          << c.inizio << " cell " << cell;
    }
  }
}

TEST(MemoMontagnaTest, TunnelKindKeepsTheLowEightBits) {
  GeneratorState state = StateWithRoute(1000);
  AddTunnel(state, {0, 200, 266});  // 266 - 10 = 256
  EXPECT_EQ(state.grid.at(0).tunnel_kind, 0);
  EXPECT_EQ(state.grid.at(3).cell_type, kTunnelMarker);
  AddTunnel(state, {5000, 5200, -1});
  EXPECT_EQ(state.grid.at(100).tunnel_kind, 255);
}

struct Board {
  int32_t posizione;
  int32_t vas, vbs, vcs, strisces, vad, vbd, vcd, strisced;
};

void AddBoard(GeneratorState& state, Board b) {
  memo_indicatori_v_max(state, b.posizione, b.vas, b.vbs, b.vcs, b.strisces, b.vad, b.vbd, b.vcd,
                        b.strisced);
}

TEST(MemoIndicatoriVMaxTest, CarriedBoard) {
  GeneratorState state = StateWithRoute(270000);
  AddBoard(state, {1050, 85, 90, 95, 0, 85, 90, 95, 0});
  const Cell& cell = state.grid.at(22);
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell.cell_type, kSpeedBoard);
  EXPECT_EQ(cell.value_a, 1717);
  EXPECT_EQ(cell.value_b, 1818);
  EXPECT_EQ(cell.value_c, 1919);
  EXPECT_EQ(cell.value_d, 0);
}

TEST(MemoIndicatoriVMaxTest, ValuesAreRoundedAndPacked) {
  GeneratorState state = StateWithRoute(270000);
  AddBoard(state, {2000, 80, 155, 0, 2, 87, 165, -3, 1});
  const Cell& cell = state.grid.at(41);
  EXPECT_EQ(cell.value_a, 1617);  // 17.4 + 1600
  EXPECT_EQ(cell.value_b, 3133);  // 33 + 3100
  EXPECT_EQ(cell.value_c, -1);    // -0.6
  EXPECT_EQ(cell.value_d, 21);
  AddBoard(state, {3000, 0, 0, 0, 0, 88, 0, 0, 0});
  EXPECT_EQ(state.grid.at(61).value_a, 18);  // 17.6
}

TEST(MemoIndicatoriVMaxTest, CellMustBeFree) {
  GeneratorState state = StateWithRoute(270000);
  AddBoard(state, {1025, 60, 60, 60, 0, 60, 60, 60, 0});  // 21.5 + 1 -> 22
  EXPECT_EQ(state.grid.at(22).cell_type, kSpeedBoard);
  AddBoard(state, {1075, 100, 100, 100, 1, 100, 100, 100, 1});  // 22.5 + 1 -> 22
  EXPECT_EQ(state.error_code, 21);
  EXPECT_EQ(state.grid.at(22).value_a, 1212);
  EXPECT_EQ(state.grid.at(22).value_d, 0);
  state.error_code = 0;
  AddBoard(state, {1125, 100, 100, 100, 1, 100, 100, 100, 1});  // 23.5 + 1 -> 24
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(state.grid.at(24).cell_type, kSpeedBoard);
}

TEST(MemoIndicatoriVMaxTest, ReplacesATunnelMarker) {
  GeneratorState state = StateWithRoute(1000);
  state.grid.at(7).cell_type = kTunnelMarker;
  AddBoard(state, {300, 60, 60, 60, 0, 60, 60, 60, 0});
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(state.grid.at(7).cell_type, kSpeedBoard);
}

TEST(MemoIndicatoriVMaxTest, ValueBeyond16BitsFailsAfterTheValuesBeforeIt) {
  GeneratorState state = StateWithRoute(1000);
  // value_b = 1700 * 20 = 34000 does not fit.
  EXPECT_THROW(AddBoard(state, {300, 60, 1700, 60, 0, 60, 0, 60, 0}), DescriptionFailure);
  EXPECT_EQ(state.grid.at(7).cell_type, kSpeedBoard);
  EXPECT_EQ(state.grid.at(7).value_a, 1212);
  EXPECT_EQ(state.grid.at(7).value_b, 0);
  // -32768 still fits.
  AddBoard(state, {600, -1638, 0, 0, 0, -40, 0, 0, 0});
  EXPECT_EQ(state.grid.at(13).value_a, -32768);
}

class PlaceRecorder : public ReadObserver {
 public:
  void OnPlace(int64_t cell, uint8_t type) override { placed.emplace_back(cell, type); }
  std::vector<std::pair<int64_t, uint8_t>> placed;
};

TEST(CellWriterObserverTest, ReportsEveryObjectPlaced) {
  GeneratorState state = StateWithRoute(1000);
  PlaceRecorder recorder;
  state.observer = &recorder;
  AddTunnel(state, {0, 400, 11});  // cells 0 .. 7: markers at 3 and 7
  AddBoard(state, {1050, 85, 90, 95, 0, 85, 90, 95, 0});
  AddBoard(state, {1050, 85, 90, 95, 0, 85, 90, 95, 0});  // refused: nothing placed
  const std::vector<std::pair<int64_t, uint8_t>> expected = {
      {3, kTunnelMarker}, {7, kTunnelMarker}, {22, kSpeedBoard}};
  EXPECT_EQ(recorder.placed, expected);
}

}  // namespace
}  // namespace scenario
