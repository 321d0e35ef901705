#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "descriptions/train_reader_test_support.h"

namespace scenario {
namespace {

// A stop record with the given position, kind, length, tab and mar; the
// other values are fixed.
std::string Stop(int64_t position, int kind, int64_t length, int tab = 0, int mar = 0,
                 const std::string& name = "FERMATA") {
  return "stazione, " + std::to_string(position) + ", " + std::to_string(kind) + ", " +
         std::to_string(length) + ", 1, " + std::to_string(tab) + ", " + std::to_string(mar) +
         ", 1,2, 3, 4,5,6, 7, 0, 0, 0, " + name;
}

const char kOrigin[] = "stazione,      0,  8, 500,  1, 0, 0,   4,0,0,  2,1,0,  1, 10,50, 0, VALMERA";
const char kBressola[] =
    "stazione,   4500,  2, 800,  0, 1, 1,   1,1,0,  4,0,0,  0,  0, 0, 0, BRESSOLA";

using StopRecordTest = TrainReaderTest;

TEST_F(StopRecordTest, WorkedFirstStop) {
  ASSERT_TRUE(Read(TrainText({kOrigin})));
  const ScenarioRow& r = row(1);
  EXPECT_EQ(r.kind, 8);
  EXPECT_EQ(r.position, 0);
  EXPECT_EQ(r.span_start, -500);
  EXPECT_EQ(r.span_end, 500);
  EXPECT_EQ(r.tps, 1);
  EXPECT_EQ(r.tab, 0);
  EXPECT_EQ(r.mar, 0);
  EXPECT_EQ(r.first_d2, 4);
  EXPECT_EQ(r.first_d3, 0);
  EXPECT_EQ(r.rap, 0);
  EXPECT_EQ(r.second_d1, 2);
  EXPECT_EQ(r.second_d2, 1);
  EXPECT_EQ(r.second_d3, 0);
  EXPECT_EQ(r.ac, 1);
  EXPECT_EQ(r.scheduled_time, 39000);
  EXPECT_EQ(r.name, "VALMERA");
  EXPECT_EQ(cell(9).cell_type, kStationStop);
  EXPECT_EQ(cell(9).value_a, 1);
  const uint8_t marks[] = {0, 84, 83, 82, 81, 0};  // cells 4 .. 9
  for (int64_t c = 4; c <= 9; ++c) EXPECT_EQ(cell(c).approach_mark, marks[c - 4]) << c;
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(StopRecordTest, SecondStopKeepsTabAndMar) {
  ASSERT_TRUE(Read(TrainText({kOrigin, kBressola})));
  const ScenarioRow& r = row(2);
  EXPECT_EQ(r.span_start, 4100);
  EXPECT_EQ(r.span_end, 4950);  // 50 m longer for mar
  EXPECT_EQ(r.tab, 1);
  EXPECT_EQ(r.mar, 1);
  EXPECT_EQ(cell(98).cell_type, kStationStop);
  EXPECT_EQ(cell(98).value_a, 2);
  EXPECT_EQ(cell(97).approach_mark, 81);
  EXPECT_EQ(cell(94).approach_mark, 84);
  EXPECT_EQ(cell(93).approach_mark, 0);
}

TEST_F(StopRecordTest, ZonesAndCellsByKind) {
  struct Case {
    std::string record;
    int32_t span_start, span_end;
    int64_t stop_cell;             // 0: none
    std::vector<int64_t> marks;    // cells with 81, 82, ... in that order
  };
  const Case cases[] = {
      {Stop(100, 2, 200), 0, 200, 3, {2}},
      {Stop(50, 5, 300), -250, 200, 3, {}},
      {Stop(10000, 6, 600), 9400, 10150, 202, {}},
      {Stop(10000, 7, 600), 9400, 10600, 211, {210, 209, 208, 207}},
      {Stop(10000, 11, 1100), 9450, 10550, 210, {209, 208, 207, 206}},
      {Stop(10000, 11, 1100, 0, 1), 9450, 10600, 211, {210, 209, 208, 207}},  // first stop: mar 0
      {Stop(10000, 24, 400), 9800, 10200, 203, {202, 201, 200, 199}},
      {Stop(10000, 25, 400), 9800, 10200, 0, {}},
      {Stop(32250, 28, 400), 32050, 32450, 0, {}},
      {Stop(0, 25, 0), 0, 0, 0, {}},  // no stop cell, and no error 24
      {Stop(10000, 2, 100), 9950, 10050, 200, {199, 198, 197, 196}},
  };
  for (const Case& c : cases) {
    state = GeneratorState{};
    state.grid.Size(270000);
    ASSERT_TRUE(Read(TrainText({c.record})));
    EXPECT_EQ(state.error_code, 0) << c.record;
    EXPECT_EQ(row(1).span_start, c.span_start) << c.record;
    EXPECT_EQ(row(1).span_end, c.span_end) << c.record;
    EXPECT_EQ(row(1).mar, 0) << c.record;
    std::vector<int64_t> stops, marks(c.marks.size(), -1);
    for (int64_t i = 0; i <= last(); ++i) {
      if (cell(i).cell_type == kStationStop) stops.push_back(i);
      const int m = cell(i).approach_mark;
      if (m >= 81 && m - 81 < static_cast<int>(marks.size())) marks[static_cast<size_t>(m - 81)] = i;
      if (m > 80 + static_cast<int>(c.marks.size())) ADD_FAILURE() << c.record << " mark " << m;
    }
    EXPECT_EQ(stops, c.stop_cell == 0 ? std::vector<int64_t>{} : std::vector<int64_t>{c.stop_cell})
        << c.record;
    EXPECT_EQ(marks, c.marks) << c.record;
  }
}

TEST_F(StopRecordTest, MarkOnlyWhereTheCellLiesAboveCell1) {
  // Zone end 200: stop cell 3, mark 81 in cell 2; 82 would fall in cell 1.
  ASSERT_TRUE(Read(TrainText({Stop(100, 2, 200)})));
  EXPECT_EQ(cell(2).approach_mark, 81);
  EXPECT_EQ(cell(1).approach_mark, 0);
  EXPECT_EQ(cell(0).approach_mark, 0);
}

TEST_F(StopRecordTest, TabAndMarRules) {
  ASSERT_TRUE(Read(TrainText({Stop(0, 2, 800, 1, 1), Stop(4500, 4, 400, 1, 1),
                              Stop(9000, 4, 600, 1, 1), Stop(14000, 5, 800, 1, 1),
                              Stop(20000, 8, 800, 1, 1)})));
  EXPECT_EQ(row(1).span_end, 450);  // longer zone, yet mar and tab 0
  EXPECT_EQ(row(1).mar, 0);
  EXPECT_EQ(row(1).tab, 0);
  EXPECT_EQ(row(2).tab, 0);  // shorter than 600 m
  EXPECT_EQ(row(2).mar, 1);
  EXPECT_EQ(row(3).tab, 1);
  EXPECT_EQ(row(3).mar, 1);
  EXPECT_EQ(row(4).tab, 1);
  EXPECT_EQ(row(4).mar, 0);  // kinds 5 to 8 never keep mar
  EXPECT_EQ(row(5).mar, 0);
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(StopRecordTest, SpacingBetweenStopZones) {
  // The first zone ends at 4950 (4500 + 400 + 50).
  ASSERT_TRUE(Read(TrainText({Stop(4500, 2, 800, 0, 1), Stop(5650, 2, 800), Stop(20000, 2, 400)})));
  ExpectError(22, 5650);  // zone start 5250, 300 m after 4950
  EXPECT_EQ(row(2).span_start, 5250);
  EXPECT_EQ(cell(120).cell_type, kStationStop);  // marked before the spacing check
  EXPECT_EQ(row(3).position, 0);
  EXPECT_TRUE(TrainDeleted());

  state = GeneratorState{};
  state.grid.Size(270000);
  ASSERT_TRUE(Read(TrainText({Stop(4500, 2, 800, 0, 1), Stop(5700, 2, 800)})));
  EXPECT_EQ(state.error_code, 0);  // 350 m
}

TEST_F(StopRecordTest, StopRowsEndAtTheBoardRowCursor) {
  state.board_row_cursor = 70;  // 10 sign boards
  std::string text = "[generale]\r\nvelocita' limite, 0, 50\r\n";
  for (int i = 0; i < 69; ++i) text += Stop(10000 + 1000 * i, 2, 400) + "\r\n";
  ASSERT_TRUE(Read(text + Stop(100000, 2, 400) + "\r\n"));
  ExpectError(10, 0);
  EXPECT_EQ(row(68).position, 10000 + 1000 * 67);
  EXPECT_EQ(row(69).position, 10000 + 1000 * 68);  // the 69th is stored
  EXPECT_EQ(row(70).position, 0);
  EXPECT_EQ(cell(1563).value_a, 69);  // zone end 78200: the 69th marks its cells
  EXPECT_EQ(cell(1562).approach_mark, 81);
  EXPECT_EQ(cell(0).speed_limit, 0);  // stop: no finish steps
  EXPECT_TRUE(TrainDeleted());

  state = GeneratorState{};
  state.grid.Size(270000);
  state.board_row_cursor = 70;
  text = "[generale]\r\n";
  for (int i = 0; i < 68; ++i) text += Stop(10000 + 1000 * i, 2, 400) + "\r\n";
  ASSERT_TRUE(Read(text + "[fine]\r\n"));
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell(1543).value_a, 68);  // zone end 77200
}

TEST_F(StopRecordTest, SingleStopRowIsMarkedBeforeError10) {
  state.board_row_cursor = 2;  // 78 sign boards: one stop row
  ASSERT_TRUE(Read(TrainText({Stop(10000, 2, 400)})));
  ExpectError(10, 0);
  EXPECT_EQ(cell(203).cell_type, kStationStop);
  EXPECT_EQ(cell(202).approach_mark, 81);
}

TEST_F(StopRecordTest, WithEightySignBoardsNoStopIsRead) {
  state.board_row_cursor = 0;
  state.error_position = 77;
  state.scenario[1].name = "(  Km.  )";  // a sign text in row 1
  ASSERT_TRUE(Read(TrainText({"numero vetture, 3", kOrigin, "sabbia, 5"})));
  ExpectError(10, 77);
  EXPECT_EQ(row(1).name, "(  Km.  )");
  EXPECT_EQ(row(1).kind, 0);
  EXPECT_EQ(row(kRunRow).position, 3);
  EXPECT_EQ(row(kTrainRow).first_d2, 0);

  state = GeneratorState{};
  state.grid.Size(270000);
  state.board_row_cursor = 1;  // 79 boards: row 1 is still a stop row
  ASSERT_TRUE(Read(TrainText({kOrigin})));
  ExpectError(10, 0);
  EXPECT_EQ(row(1).name, "VALMERA");
}

TEST_F(StopRecordTest, PositionAndLengthChecks) {
  struct Case {
    std::string record;
    int32_t code, position;
    uint8_t kind_stored;
  };
  const Case cases[] = {
      {Stop(4525, 2, 400), 8, 4525, 0},
      {Stop(4500, 2, 450), 9, 4500, 2},
      {Stop(50, 2, 100), 24, 0, 2},    // zone end 100: stop cell 1
      {Stop(100, 2, 100), 0, 0, 2},    // zone end 150: stop cell 2
      {Stop(-50, 6, 0), 24, 0, 6},     // zone end 100
  };
  for (const Case& c : cases) {
    state = GeneratorState{};
    state.grid.Size(270000);
    ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 50", c.record})));
    EXPECT_EQ(state.error_code, c.code) << c.record;
    EXPECT_EQ(state.error_position, c.position) << c.record;
    EXPECT_EQ(row(1).kind, c.kind_stored) << c.record;
    EXPECT_EQ(row(1).position, std::stoi(c.record.substr(10))) << c.record;
    EXPECT_EQ(cell(0).speed_limit, c.code == 0 ? 10 : 0) << c.record;
  }
}

TEST_F(StopRecordTest, StopBeyondTheGrid) {
  // (p + 800) / 50 <= N: 276200 passes, 276250 does not (code 15, finish).
  ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 50", Stop(276250, 25, 400), "sabbia, 5"})));
  ExpectError(15, 276250);
  EXPECT_EQ(row(1).position, 276250);
  EXPECT_EQ(row(1).kind, 0);
  EXPECT_EQ(row(kTrainRow).first_d2, 0);
  EXPECT_EQ(cell(0).speed_limit, 10);

  state = GeneratorState{};
  state.grid.Size(270000);
  ASSERT_TRUE(Read(TrainText({Stop(276200, 2, 1600)})));
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell(5539).cell_type, kStationStop);  // zone end 277000

  // A long stop of kind 7 would put its stop cell at 5543.
  state = GeneratorState{};
  state.grid.Size(270000);
  ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 50", Stop(276200, 7, 1000, 1, 1), "sabbia, 5"})));
  ExpectError(15, 276200);
  EXPECT_EQ(row(1).span_end, 277200);
  EXPECT_EQ(row(1).mar, 0);
  EXPECT_EQ(row(1).name, "FERMATA");
  EXPECT_EQ(row(kTrainRow).first_d2, 0);
  EXPECT_EQ(cell(0).speed_limit, 10);
  for (int64_t c = 5530; c <= last(); ++c) EXPECT_EQ(cell(c).approach_mark, 0) << c;
}

TEST_F(StopRecordTest, StopCellReplacesAnyObjectWritingOnlyTypeAndValueA) {
  ASSERT_TRUE(Read(TrainText({"segnale, 10100, 2, 4, 1, 2, 0, 2, 1, 1, 0, 120",
                              Stop(10000, 2, 400)})));
  EXPECT_EQ(state.error_code, 0);
  const Cell& c = cell(203);
  EXPECT_EQ(c.cell_type, kStationStop);
  EXPECT_EQ(c.value_a, 1);
  EXPECT_EQ(c.value_b, 11);  // left from the signal
  EXPECT_EQ(c.value_c, 20);
  EXPECT_EQ(c.value_d, 8);
  EXPECT_EQ(c.signal_time, 120);
  // The signal's own marks were overwritten in front of the stop cell.
  EXPECT_EQ(cell(201).approach_mark, 82);
}

TEST_F(StopRecordTest, ValuesThatDoNotFitTheirWidth) {
  const std::string records[] = {
      Stop(10000, 256, 400),
      "stazione, 10000, 2, 400, 1, 0, 0, 32768,2, 3, 4,5,6, 7, 0, 0, 0, X",
      "stazione, 10000, 2, 400, 1, 0, 0, 1,2, 256, 4,5,6, 7, 0, 0, 0, X",
      "stazione, 10000, 2, 400, 1, 0, 0, 1,2, 3, 4,5,6, 7, 596524, 0, 0, X",  // time beyond 32 bits
      Stop(10000, 2, 400, 0, 0, std::string(65536, 'N')),
      "stazione, 10000, 2, 400, 1, 0, 0, 1,2, 3, 4,5,6, 7, 0, 0, 0",  // ends inside the record
  };
  for (const std::string& record : records) {
    state = GeneratorState{};
    state.grid.Size(270000);
    EXPECT_FALSE(Read("[generale]\r\n" + record)) << record.substr(0, 60);
  }
  state = GeneratorState{};
  state.grid.Size(270000);
  ASSERT_TRUE(Read(TrainText({Stop(10000, 2, 400, 0, 0, std::string(65535, 'N'))})));
  EXPECT_EQ(row(1).name.size(), 65535u);
}

TEST_F(StopRecordTest, ScheduledTimeAndStoredColumns) {
  ASSERT_TRUE(Read(TrainText({kOrigin, kBressola,
                              "stazione, 198750,  4, 800,  0, 1, 0,   1,1,0,  4,1,1, 60, 15,22, 0, TORRAVA"})));
  const ScenarioRow& r = row(3);
  EXPECT_EQ(r.scheduled_time, 55320);
  EXPECT_EQ(r.ac, 60);
  EXPECT_EQ(r.tab, 1);
  EXPECT_EQ(r.first_d2, 1);
  EXPECT_EQ(r.first_d3, 1);
  EXPECT_EQ(r.rap, 0);
  EXPECT_EQ(r.second_d1, 4);
  EXPECT_EQ(r.second_d2, 1);
  EXPECT_EQ(r.second_d3, 1);
  EXPECT_EQ(r.span_start, 198350);
  EXPECT_EQ(r.span_end, 199150);
  EXPECT_EQ(cell(3982).value_a, 3);
}

}  // namespace
}  // namespace scenario
