// The line reader's data records: gradients, tunnels, speed boards and sign
// boards, with their position checks and conflicts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "descriptions/field_stream.h"
#include "descriptions/line_test_texts.h"
#include "descriptions/read_observer.h"

namespace scenario {
namespace {

using testing::LineRun;
using testing::LineText;
using testing::Lines;

TEST(LineGradientTest, RecordBelowCellOneOnlySetsThePendingGradient) {
  struct Case {
    int32_t position;
    uint8_t cell0;  // what cell 0 ends with
  };
  // round(p / 50) is 0 for 0 .. 25 (25 / 50 is a half, rounded to even).
  const Case cases[] = {{0, 105}, {24, 105}, {25, 105}, {26, 100}};
  for (const Case& c : cases) {
    LineRun run(LineText(1000, {"pendenza, " + std::to_string(c.position) + ", 5",
                                "pendenza, 100, 7"}));
    ASSERT_TRUE(run.Read());
    EXPECT_EQ(run.cell(0).gradient, c.cell0) << c.position;
    EXPECT_EQ(run.cell(1).gradient, 105) << c.position;
    EXPECT_EQ(run.cell(2).gradient, 107) << c.position;
  }
}

TEST(LineGradientTest, TwoRecordsAtOnePosition) {
  LineRun run(LineText(270000, {"pendenza  , 265350   , 4", "pendenza  , 265350   , 0"}));
  ASSERT_TRUE(run.Read());
  EXPECT_EQ(run.cell(5306).gradient, 100);
  EXPECT_EQ(run.cell(5307).gradient, 104);  // the second record's own cell
  EXPECT_EQ(run.cell(5308).gradient, 100);
  EXPECT_EQ(run.cell(5537).gradient, 100);
  EXPECT_EQ(run.cell(5538).gradient, 0);
  EXPECT_EQ(run.cell(5540).gradient, 0);
}

TEST(LineGradientTest, RecordBehindTheCursorStillMovesItOn) {
  LineRun run(LineText(1000, {"pendenza, 1000, 1", "pendenza, 500, 2"}));
  ASSERT_TRUE(run.Read());
  EXPECT_EQ(run.cell(19).gradient, 100);
  EXPECT_EQ(run.cell(20).gradient, 101);
  EXPECT_EQ(run.cell(21).gradient, 102);
}

TEST(LineGradientTest, PositionCheckAtTheEndOfTheGrid) {
  // L = 270000: N = 5540, so 276900 passes and 276950 fails.
  LineRun passes(LineText(270000, {"pendenza, 1000, -7", "pendenza, 276900, 3"}));
  EXPECT_TRUE(passes.Read());
  EXPECT_EQ(passes.state.error_code, 0);
  EXPECT_EQ(passes.cell(5537).gradient, 93);
  EXPECT_EQ(passes.cell(5538).gradient, 103);  // the closing fill writes once
  EXPECT_EQ(passes.cell(5539).gradient, 0);

  LineRun fails(LineText(270000, {"pendenza, 1000, -7", "pendenza, 276950, 3", "pendenza, 9000, 1"}));
  fails.state.error_position = 777;
  EXPECT_TRUE(fails.Read());
  EXPECT_EQ(fails.state.error_code, 15);
  EXPECT_EQ(fails.state.error_position, 276950);
  EXPECT_TRUE(fails.source.line_deleted);
  // Reading stopped; the gradients so far run on to cell N - 3.
  EXPECT_EQ(fails.cell(19).gradient, 100);
  EXPECT_EQ(fails.cell(20).gradient, 93);
  EXPECT_EQ(fails.cell(5537).gradient, 93);
  EXPECT_EQ(fails.cell(5538).gradient, 0);
}

TEST(LineGradientTest, FillStopsAtTheLastCell) {
  // L = 0: N = 140; records at 6900 fill up to cell 137 and then one more
  // cell each, but the record fills never write cell 140. The closing fill
  // writes it once, with the last gradient, and goes no further.
  LineRun run(LineText(0, {"pendenza, 6900, 1", "pendenza, 6900, 2", "pendenza, 6900, 3",
                           "pendenza, 6900, 4"}));
  ASSERT_TRUE(run.Read());
  EXPECT_EQ(run.state.error_code, 0);
  EXPECT_EQ(run.cell(137).gradient, 100);
  EXPECT_EQ(run.cell(138).gradient, 101);
  EXPECT_EQ(run.cell(139).gradient, 102);
  EXPECT_EQ(run.cell(140).gradient, 104);
}

TEST(LineGradientTest, StoredAsLowEightBits) {
  LineRun run(LineText(1000, {"pendenza, 100, 200", "pendenza, 200, -101"}));
  ASSERT_TRUE(run.Read());
  EXPECT_EQ(run.cell(1).gradient, 100);
  EXPECT_EQ(run.cell(2).gradient, 44);   // 300
  EXPECT_EQ(run.cell(4).gradient, 255);  // -1
}

TEST(LineDataSectionTest, CommentRunOfTwo) {
  LineRun passed(LineText(1000, {"- a", "- pendenza, 500, 5"}));
  ASSERT_TRUE(passed.Read());
  EXPECT_EQ(passed.cell(10).gradient, 100);
  LineRun taken(LineText(1000, {"- a", "- b", "- pendenza, 500, 5"}));
  ASSERT_TRUE(taken.Read());
  EXPECT_EQ(taken.cell(10).gradient, 105);
}

TEST(LineDataSectionTest, OneKeywordFieldReadsSeveralRecords) {
  LineRun run(LineText(1000, {"pendenza montagna, 500, -7, 1000, 2000, 2"}));
  ASSERT_TRUE(run.Read());
  EXPECT_EQ(run.cell(10).gradient, 93);
  EXPECT_EQ(run.cell(19).tunnel_kind, 0);
  EXPECT_EQ(run.cell(20).tunnel_kind, 2);
  EXPECT_EQ(run.cell(39).tunnel_kind, 2);
}

// Every data record keeps 100 m off the grid's end: with L = 1000 (N = 160) a
// record may stand at 7900 m and not one metre further.
TEST(LineDataSectionTest, PositionGuardKeepsAHundredMetresOffTheGridEnd) {
  const std::string records[] = {"pendenza, P, 3", "montagna, P, 8000, 1",
                                 "indicatori_vmax, P, 85, 90, 95, 0, 85, 90, 95, 0",
                                 "cartello indicatore, P, (X)"};
  for (const std::string& record : records) {
    for (int32_t position : {7900, 7901}) {
      std::string line = record;
      line.replace(line.find('P'), 1, std::to_string(position));
      LineRun run(LineText(1000, {line}));
      EXPECT_TRUE(run.Read()) << line;
      EXPECT_EQ(run.state.error_code, position == 7900 ? 0 : 15) << line;
      EXPECT_EQ(run.state.error_position, position == 7900 ? 0 : position) << line;
    }
  }
}

TEST(LineTunnelTest, TunnelsThroughTheReader) {
  LineRun run(LineText(270000, {"montagna, 19400,21300,11", "montagna, 222800,114100,11",
                                "montagna, 21451, 22000, 2"}));
  run.state.tunnel_count = 5;  // reset before the data sections
  ASSERT_TRUE(run.Read());
  EXPECT_EQ(run.state.tunnel_count, 3);
  EXPECT_EQ(run.cell(388).tunnel_kind, 1);
  EXPECT_EQ(run.cell(391).cell_type, kTunnelMarker);
  EXPECT_EQ(run.cell(425).tunnel_kind, 1);
  // 151 m after the first tunnel, but the gap is measured against the
  // reversed tunnel read just before: it is negative, so the kind is 3.
  EXPECT_EQ(run.cell(429).tunnel_kind, 3);
  EXPECT_EQ(run.cell(439).tunnel_kind, 3);
}

TEST(LineTunnelTest, PositionCheckOnInizio) {
  LineRun run(LineText(0, {"montagna, 6950, 7000, 1"}));
  EXPECT_TRUE(run.Read());
  EXPECT_EQ(run.state.error_code, 15);
  EXPECT_EQ(run.state.error_position, 6950);
  EXPECT_EQ(run.cell(139).tunnel_kind, 0);
}

TEST(LineSpeedBoardTest, OccupiedCellIs21) {
  LineRun run(LineText(270000, {"indicatori_vmax, 1025, 85, 90, 95, 0, 85, 90, 95, 0",
                                "indicatori_vmax, 1075, 60, 60, 60, 0, 60, 60, 60, 0"}));
  EXPECT_FALSE(run.Read());
  EXPECT_EQ(run.state.error_code, 21);
  EXPECT_EQ(run.state.error_position, 1075);
  EXPECT_TRUE(run.source.line_deleted);
  EXPECT_EQ(run.cell(22).value_a, 1717);
}

TEST(LineSpeedBoardTest, CellOutsideTheGridIs15) {
  for (int32_t position : {-100, 6950}) {
    LineRun run(LineText(0, {"indicatori_vmax, " + std::to_string(position) +
                                 ", 85, 90, 95, 0, 85, 90, 95, 0"}));
    EXPECT_TRUE(run.Read());
    EXPECT_EQ(run.state.error_code, 15) << position;
    EXPECT_EQ(run.state.error_position, position);
  }
}

TEST(LineSignBoardTest, FirstBoardsTakeRows80And79) {
  LineRun run(LineText(270000, {"cartello indicatore,  6200,    (   Km.  ) (249.900)  ",
                                "Cartello INDICATORE, 7000, (B)"}));
  ASSERT_TRUE(run.Read());
  EXPECT_EQ(run.cell(125).cell_type, kSignBoard);
  EXPECT_EQ(run.cell(125).value_a, 80);
  EXPECT_EQ(run.state.scenario[80].name, "(   Km.  ) (249.900)  ");
  EXPECT_EQ(run.cell(141).value_a, 79);
  EXPECT_EQ(run.state.scenario[79].name, "(B)");
  EXPECT_EQ(run.state.board_row_cursor, 78);
}

TEST(LineSignBoardTest, CellIsThePositionOverFiftyPlusOneRounded) {
  struct Case {
    int32_t position;
    int64_t cell;
  };
  // 12480 / 50 + 1 = 250.6 goes up; the halves 249.5 and 251.5 go to the even
  // neighbour.
  const Case cases[] = {{12424, 249}, {12425, 250}, {12475, 250}, {12480, 251}, {12525, 252}};
  for (const Case& c : cases) {
    LineRun run(LineText(270000, {"cartello indicatore, " + std::to_string(c.position) + ", (X)"}));
    ASSERT_TRUE(run.Read()) << c.position;
    EXPECT_EQ(run.state.error_code, 0) << c.position;
    EXPECT_EQ(run.cell(c.cell).cell_type, kSignBoard) << c.position;
    EXPECT_EQ(run.cell(c.cell).value_a, 80) << c.position;
    EXPECT_EQ(run.cell(c.cell - 1).cell_type, kEmpty) << c.position;
    EXPECT_EQ(run.cell(c.cell + 1).cell_type, kEmpty) << c.position;
  }
}

TEST(LineSignBoardTest, ReplacesATunnelMarker) {
  LineRun run(LineText(1000, {"montagna, 0, 1000, 11", "cartello indicatore, 100, (T)"}));
  ASSERT_TRUE(run.Read());
  EXPECT_EQ(run.cell(3).cell_type, kSignBoard);
  EXPECT_EQ(run.cell(3).tunnel_kind, 1);
  EXPECT_EQ(run.cell(7).cell_type, kTunnelMarker);
}

TEST(LineSignBoardTest, OccupiedCellIs6) {
  for (const char* first : {"indicatori_vmax, 100, 85, 90, 95, 0, 85, 90, 95, 0",
                            "cartello indicatore, 110, (A)"}) {
    LineRun run(LineText(1000, {first, "cartello indicatore, 100, (S)"}));
    EXPECT_FALSE(run.Read()) << first;
    EXPECT_EQ(run.state.error_code, 6);
    EXPECT_EQ(run.state.error_position, 100);
    EXPECT_TRUE(run.source.line_deleted);
    EXPECT_NE(run.state.scenario[79].name, "(S)");
    EXPECT_NE(run.state.scenario[80].name, "(S)");
  }
}

TEST(LineSignBoardTest, CellOutsideTheGridIs15) {
  struct Case {
    int32_t position;
    int32_t code;
  };
  // -75 / 50 + 1 = -0.5 rounds to cell 0; -100 gives cell -1.
  const Case cases[] = {{-75, 0}, {-100, 15}, {6900, 0}, {6950, 15}};
  for (const Case& c : cases) {
    LineRun run(LineText(0, {"cartello indicatore, " + std::to_string(c.position) + ", (X)"}));
    EXPECT_TRUE(run.Read());
    EXPECT_EQ(run.state.error_code, c.code) << c.position;
    EXPECT_EQ(run.state.scenario[80].name, c.code == 0 ? "(X)" : "") << c.position;
  }
}

TEST(LineSignBoardTest, EightyFirstBoardFails) {
  std::vector<std::string> boards;
  for (int i = 0; i < 81; ++i) {
    boards.push_back("cartello indicatore, " + std::to_string(i * 100) + ", (" +
                     std::to_string(i + 1) + ")");
  }
  std::string text = Lines({"[generale]", "lunghezza percorso, 10000", "[cartelli]"});
  for (const std::string& board : boards) text += Lines({board});
  text += Lines({"[fine]"});
  LineRun run(text);
  EXPECT_THROW(run.Read(), DescriptionFailure);
  EXPECT_EQ(run.state.scenario[1].name, "(80)");
  EXPECT_EQ(run.cell(159).cell_type, kSignBoard);
  EXPECT_EQ(run.cell(161).cell_type, kEmpty);
  EXPECT_EQ(run.state.board_row_cursor, 0);
}

class Recorder : public ReadObserver {
 public:
  void OnRecord(Description, std::string_view record, TextPosition at) override {
    events.push_back(std::string(record) + "@" + std::to_string(at.line) + ":" +
                     std::to_string(at.column));
  }
  void OnError(Description, int32_t code, TextPosition at) override {
    events.push_back("error " + std::to_string(code) + "@" + std::to_string(at.line) + ":" +
                     std::to_string(at.column));
  }
  void OnPlace(int64_t cell, uint8_t type) override {
    events.push_back("place " + std::to_string(type) + " in " + std::to_string(cell));
  }
  std::vector<std::string> events;
};

TEST(LineObserverTest, RecordsErrorsAndPlacesCarryTheirPositions) {
  LineRun run(Lines({"[generale]", "lunghezza percorso, 1000", "[pendenze]", "  pendenza, 500, 3",
                     "cartello indicatore, 6200, (A)", "pendenza, 99999, 3", "[fine]"}));
  Recorder recorder;
  run.state.observer = &recorder;
  EXPECT_TRUE(run.Read());
  const std::vector<std::string> expected = {
      "route length@2:1", "gradient@4:3",  "sign board@5:1", "place 14 in 125",
      "gradient@6:1",     "error 15@6:1",
  };
  EXPECT_EQ(recorder.events, expected);
}

std::string At(TextPosition at) {
  return "@" + std::to_string(at.line) + ":" + std::to_string(at.column);
}

class FieldRecorder : public ReadObserver {
 public:
  void OnKeywordField(KeywordScope scope, std::string_view field, TextPosition at) override {
    const char* name = scope == KeywordScope::kLineGeneral ? "general " : "data ";
    events.push_back(name + std::string(field) + At(at));
  }
  void OnLastFieldIgnored(KeywordScope, std::string_view field, TextPosition at) override {
    events.push_back("ignored " + std::string(field) + At(at));
  }
  void OnNumber(Description, TextPosition at, int64_t value) override {
    events.push_back(std::to_string(value) + At(at));
  }
  void OnText(Description, TextPosition at, std::string_view text) override {
    events.push_back(std::string(text) + At(at));
  }
  std::vector<std::string> events;
};

TEST(LineObserverTest, KeywordFieldsAndValues) {
  LineRun run(Lines({"[generale]", "lunghezza percorso, 1000", "[pendenze]", "- c",
                     "pendenza, 500, 3", "cartello indicatore, 6200, (A)", "[fine]"}));
  FieldRecorder recorder;
  run.state.observer = &recorder;
  EXPECT_TRUE(run.Read());
  const std::vector<std::string> expected = {
      "general lunghezza percorso@2:1", "1000@2:21",    "general [pendenze]@3:1",
      "data pendenza@5:1",              "500@5:11",     "3@5:16",
      "data cartello indicatore@6:1",   "6200@6:22",    "(A)@6:28",
      "ignored [fine]@7:1",
  };
  EXPECT_EQ(recorder.events, expected);
}

TEST(LineObserverTest, FailureSaysWhereAndWhy) {
  LineRun run(Lines({"[generale]", "lunghezza percorso, 1000", "[pendenze]", "pendenza, 500, abc"}));
  try {
    run.Read();
    FAIL() << "no failure";
  } catch (const DescriptionFailure& failure) {
    EXPECT_EQ(std::string(failure.what()), "'abc' is not a number");
    EXPECT_EQ(failure.where().line, 4);
    EXPECT_EQ(failure.where().column, 16);
  }
}

}  // namespace
}  // namespace scenario
