// The line reader's general section, its error codes and what it deletes.
#include "descriptions/line_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "descriptions/field_stream.h"
#include "descriptions/line_test_texts.h"
#include "descriptions/read_descriptions.h"

namespace scenario {
namespace {

using testing::LineRun;
using testing::LineText;
using testing::Lines;

TEST(LineGeneralSectionTest, CarriedGeneralSection) {
  LineRun run(Lines({
      "Le sezioni di progressiva, calcolate a mano: 1, 2, 3 e l'altra",
      "inizio dati",
      "",
      "[generale]",
      "- lunghezza della linea in metri",
      "lunghezza percorso,    270000",
      "progressiva chilometrica uno,    263600,    46500,    0",
      "progressiva chilometrica due,    206200,    -6550,    0",
      "progressiva chilometrica tre,    190600,    28600,    0",
      "sfondo uno,    1",
      "sfondo due,    250000",
      "sfondo tre,    0",
      "ripetizione segnali 9 codici,    4900,    266650",
      "[pendenze]",
      "[fine]",
      "                ",
  }));
  EXPECT_TRUE(run.Read());
  const ScenarioTable& table = run.state.scenario;
  EXPECT_EQ(run.state.error_code, 0);
  EXPECT_TRUE(run.source.line_deleted);
  EXPECT_EQ(table[kRunRow].span_end, 270000);
  EXPECT_EQ(table[kChainageRow3].span_start, 263600);
  EXPECT_EQ(table[kChainageRow3].span_end, 46500);
  EXPECT_EQ(table[kChainageRow2].span_start, 206200);
  EXPECT_EQ(table[kChainageRow2].span_end, -6550);
  EXPECT_EQ(table[kChainageRow1].span_start, 190600);
  EXPECT_EQ(table[kChainageRow1].span_end, 28600);
  EXPECT_EQ(table[kRouteRow].span_start, 1);
  EXPECT_EQ(table[kRouteRow].position, 250000);
  EXPECT_EQ(table[kRouteRow].span_end, 0);
  EXPECT_EQ(table[kTrainRow].span_start, 4900);
  EXPECT_EQ(table[kTrainRow].span_end, 266650);
  EXPECT_EQ(table[kTrainRow].position, 9);
  EXPECT_EQ(run.state.grid.last_index(), 5540);
  EXPECT_EQ(run.state.route.last_row(), 277000);
  EXPECT_EQ(run.state.board_row_cursor, 80);
}

TEST(LineGeneralSectionTest, KeywordCaseRules) {
  LineRun run(Lines({
      "[GENERALE]",
      "LUNGHEZZA PERCORSO, 1000",
      "Progressiva chilometrica uno, 100, 5, 0",
      "progressiva chilometrica due, 300, 7, 0",
      "Sfondo uno, 4",
      "sfondo UNO, 4",
      "Ripetizione segnali 9, 100, 200",
      "[pendenze]",
      "PENDENZA, 500, 3",
      "[fine]",
  }));
  EXPECT_TRUE(run.Read());
  const ScenarioTable& table = run.state.scenario;
  EXPECT_EQ(table[kRunRow].span_end, 1000);
  // Only section 2 was read: had row 83 been read, it would now be row 82.
  EXPECT_EQ(table[kChainageRow3].span_start, 300);
  EXPECT_EQ(table[kChainageRow2].span_start, 0);
  EXPECT_EQ(table[kChainageRow2].span_end, 0);
  EXPECT_EQ(table[kRouteRow].span_start, 0);
  EXPECT_EQ(table[kTrainRow].span_start, 0);
  EXPECT_EQ(run.cell(9).gradient, 100);
  EXPECT_EQ(run.cell(10).gradient, 103);
}

TEST(LineGeneralSectionTest, OneKeywordFieldReadsSeveralRecords) {
  LineRun run(Lines({"[generale]", "lunghezza percorso, 1000",
                     "progressiva uno due, 10, 20, 0, 30, 40, 0", "[pendenze]", "[fine]"}));
  EXPECT_TRUE(run.Read());
  // Section 2 took the first triple, section 1 the second; then ordered.
  const ScenarioTable& table = run.state.scenario;
  EXPECT_EQ(table[kChainageRow3].span_start, 30);
  EXPECT_EQ(table[kChainageRow3].span_end, 40);
  EXPECT_EQ(table[kChainageRow2].span_start, 10);
  EXPECT_EQ(table[kChainageRow2].span_end, 20);
  EXPECT_EQ(table[kChainageRow1].span_start, 0);
}

TEST(LineGeneralSectionTest, SignalRepetitionCodes) {
  struct Case {
    const char* record;
    int32_t codes;
  };
  const Case cases[] = {
      {"ripetizione segnali 4 codici, 100, 200", 4},
      {"ripetizione segnali 9 codici, 100, 200", 9},
      {"ripetizione segnali 94, 100, 200", 4},  // "4" is tested first
      {"ripetizione segnali 9 codici, -50, 0", 0},
  };
  for (const Case& c : cases) {
    LineRun run(Lines({"[generale]", "lunghezza percorso, 1000", c.record, "[pendenze]", "x"}));
    EXPECT_TRUE(run.Read()) << c.record;
    EXPECT_EQ(run.state.scenario[kTrainRow].position, c.codes) << c.record;
  }
}

TEST(LineGeneralSectionTest, CommentRunOfTenIsPassedTheEleventhIsAKeyword) {
  for (int comments : {10, 11}) {
    std::string text = Lines({"[generale]", "lunghezza percorso, 1000"});
    for (int i = 1; i < comments; ++i) text += Lines({"- commento"});
    text += Lines({"- lunghezza percorso, 2000", "[pendenze]", "[fine]"});
    LineRun run(text);
    EXPECT_TRUE(run.Read());
    EXPECT_EQ(run.state.scenario[kRunRow].span_end, comments == 11 ? 2000 : 1000) << comments;
  }
}

TEST(LineGeneralSectionTest, RecordsSplitOverLinesReadTheSame) {
  LineRun one_line(Lines({"[generale]", "lunghezza percorso, 1000", "[pendenze]",
                          "pendenza, 500, -7", "montagna, 1000, 2000, 11", "[fine]"}));
  LineRun split(Lines({"[generale]", "lunghezza percorso", "   1000", "[pendenze]", "pendenza",
                       "500", "-7", "montagna, 1000", "2000", "11", "[fine]"}));
  ASSERT_TRUE(one_line.Read());
  ASSERT_TRUE(split.Read());
  ASSERT_EQ(split.state.grid.cell_count(), one_line.state.grid.cell_count());
  for (int64_t c = 0; c < split.state.grid.cell_count(); ++c) {
    EXPECT_EQ(split.cell(c).gradient, one_line.cell(c).gradient) << c;
    EXPECT_EQ(split.cell(c).tunnel_kind, one_line.cell(c).tunnel_kind) << c;
    EXPECT_EQ(split.cell(c).cell_type, one_line.cell(c).cell_type) << c;
  }
  EXPECT_EQ(split.cell(9).gradient, 100);
  EXPECT_EQ(split.cell(10).gradient, 93);
  EXPECT_EQ(split.cell(23).cell_type, kTunnelMarker);
}

TEST(LineGeneralSectionTest, RecordsOfTheWrongSectionAreFieldsOnly) {
  LineRun run(Lines({"[generale]", "lunghezza percorso, 1000", "pendenza, 500, 7", "[pendenze]",
                     "lunghezza percorso, 2000", "sfondo uno, 5", "[fine]"}));
  EXPECT_TRUE(run.Read());
  EXPECT_EQ(run.state.scenario[kRunRow].span_end, 1000);
  EXPECT_EQ(run.state.scenario[kRouteRow].span_start, 0);
  EXPECT_EQ(run.state.grid.last_index(), 160);
  EXPECT_EQ(run.cell(10).gradient, 100);
}

TEST(LineGeneralSectionTest, PreambleAndHeaderSpelling) {
  std::string text = Lines({"Qui, 12 virgole, l'apostrofo; pendenza, 500, 7", "[Generale] dati",
                            "lunghezza percorso, 1000", "  [pendenze", "pendenza, 500, 7"});
  // Ten comments are passed over; the eleventh is a keyword field, but one
  // that begins with "-" is no section header.
  for (int i = 0; i < 10; ++i) text += Lines({"- commento"});
  text += Lines({"-[non una testata]", "sfondo due, 8", "[qualsiasi]", "sfondo tre, 9", "x"});
  LineRun run(text);
  EXPECT_TRUE(run.Read());
  // "[pendenze" has no "]": the section ends only at "[qualsiasi]".
  EXPECT_EQ(run.state.scenario[kRouteRow].position, 8);
  EXPECT_EQ(run.state.scenario[kRouteRow].span_end, 0);
  EXPECT_EQ(run.cell(10).gradient, 100);
}

TEST(LineGeneralSectionTest, LastFieldIsNotInterpreted) {
  // As a last field the gradient keyword would otherwise lack its values.
  LineRun run(std::string("[generale]\r\nlunghezza percorso, 1000\r\n[pendenze]\r\npendenza, 500, 3\r\npendenza"));
  EXPECT_TRUE(run.Read());
  EXPECT_EQ(run.state.error_code, 0);
  EXPECT_EQ(run.cell(10).gradient, 103);
}

// Error codes that end memorizza_dati after the line reader. The line text
// is deleted, the train text stays, and the error position is untouched.
TEST(LineReaderErrorTest, ReturnCodes) {
  struct Case {
    const char* name;
    std::string text;
    int32_t code;
  };
  const Case cases[] = {
      {"no [generale] field", Lines({"premessa", "[pendenze]", "lunghezza percorso, 1000"}), 102},
      {"[generale] as the last field", Lines({"premessa, pendenza", "[generale]"}), 102},
      {"route length above 1000000", Lines({"[generale]", "lunghezza percorso, 1000001", "x"}), 1},
      {"repetition start", Lines({"[generale]", "ripetizione segnali 9, 4925, 266650", "x"}), 3},
      {"repetition end", Lines({"[generale]", "ripetizione segnali 9, 4900, 266651", "x"}), 4},
      {"repetition codes", Lines({"[generale]", "ripetizione segnali, 4900, 266650", "x"}), 5},
      {"curve without class", LineText(1000, {"curvad, 500, 300"}), 103},
      {"third comment is a keyword", LineText(1000, {"- a", "- b", "- curva", "500", "300"}), 103},
  };
  for (const Case& c : cases) {
    GeneratorState state;
    state.build_route_table = 1;
    state.error_position = 777;
    MemorySource source(c.text, std::string(testing::kEmptyTrain));
    memorizza_dati(state, source);
    EXPECT_EQ(state.error_code, c.code) << c.name;
    EXPECT_EQ(state.error_position, 777) << c.name;
    EXPECT_TRUE(source.line_deleted) << c.name;
    EXPECT_FALSE(source.train_deleted) << c.name;
  }
}

TEST(LineReaderErrorTest, ValuesBeforeAnErrorStayStored) {
  LineRun too_long(Lines({"[generale]", "lunghezza percorso, 1000001", "x"}));
  EXPECT_FALSE(too_long.Read());
  EXPECT_EQ(too_long.state.scenario[kRunRow].span_end, 1000001);
  EXPECT_FALSE(too_long.state.grid.sized());

  LineRun start(Lines({"[generale]", "ripetizione segnali 9, 4925, 266650", "x"}));
  EXPECT_FALSE(start.Read());
  EXPECT_EQ(start.state.scenario[kTrainRow].span_start, 4925);
  EXPECT_EQ(start.state.scenario[kTrainRow].span_end, 266650);
  EXPECT_EQ(start.state.scenario[kTrainRow].position, 0);

  LineRun longest(Lines({"[generale]", "lunghezza percorso, 1000000", "[x]", "y"}));
  EXPECT_TRUE(longest.Read());
  EXPECT_EQ(longest.state.grid.last_index(), 20140);
}

TEST(LineReaderErrorTest, MissingLineDescriptionIs101AndTouchesNothing) {
  GeneratorState state;
  MemorySource source(std::nullopt, std::string(testing::kEmptyTrain));
  memorizza_dati(state, source);
  EXPECT_EQ(state.error_code, 101);
  EXPECT_FALSE(source.line_deleted);
  EXPECT_FALSE(source.train_deleted);
}

// The common failure path: code 25, both texts deleted.
TEST(LineReaderErrorTest, UnexpectedFailures) {
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"empty text", ""},
      {"no route length", Lines({"[generale]", "sfondo uno, 1", "[pendenze]", "x"})},
      {"negative route length", Lines({"[generale]", "lunghezza percorso, -50", "[x]", "y"})},
      {"not a number", Lines({"[generale]", "lunghezza percorso, mille", "[x]", "y"})},
      {"end inside a record", std::string("[generale]\r\nlunghezza percorso, 1000\r\n[x]\r\nmontagna, 1, 2")},
      {"empty field for a number", LineText(1000, {"pendenza, 500,", "7"})},
      {"value beyond 32 bits", LineText(1000, {"pendenza, 2147483648, 7"})},
      {"speed board value beyond 16 bits", LineText(1000, {"indicatori_vmax, 100, 1700, 0, 0, 0, 0, 0, 0, 0"})},
  };
  for (const Case& c : cases) {
    GeneratorState state;
    state.build_route_table = 1;
    state.error_position = 777;
    MemorySource source(c.text, std::string(testing::kEmptyTrain));
    memorizza_dati(state, source);
    EXPECT_EQ(state.error_code, 25) << c.name;
    EXPECT_EQ(state.error_position, 777) << c.name;
    EXPECT_TRUE(source.line_deleted) << c.name;
    EXPECT_TRUE(source.train_deleted) << c.name;
  }
}

TEST(LineReaderErrorTest, NegativeRouteLengthIsStoredAndTheGridKeepsItsSize) {
  LineRun run(Lines({"[generale]", "lunghezza percorso, 1000", "lunghezza percorso, -50", "[x]", "y"}));
  EXPECT_THROW(run.Read(), DescriptionFailure);
  EXPECT_EQ(run.state.scenario[kRunRow].span_end, -50);
  EXPECT_EQ(run.state.grid.last_index(), 160);
  EXPECT_EQ(run.state.route.last_row(), 8000);
  // The reader leaves the deleting to memorizza_dati.
  EXPECT_FALSE(run.source.line_deleted);
}

TEST(LineReaderErrorTest, SecondRouteLengthSizesAfresh) {
  LineRun run(Lines({"[generale]", "lunghezza percorso, 1000", "lunghezza percorso, 3725", "[x]", "y"}));
  EXPECT_TRUE(run.Read());
  EXPECT_EQ(run.state.grid.last_index(), 214);
  EXPECT_EQ(run.state.route.last_row(), 10725);
}

TEST(LineReaderErrorTest, TrainReaderRunsAfterTheEndAndAfterError15) {
  for (const char* data : {"pendenza, 500, 1", "pendenza, 8000, 1"}) {
    GeneratorState state;
    state.build_route_table = 1;
    MemorySource source(LineText(1000, {data}), std::string(testing::kEmptyTrain));
    memorizza_dati(state, source);
    EXPECT_EQ(state.error_code, std::string(data) == "pendenza, 500, 1" ? 0 : 15) << data;
    EXPECT_TRUE(source.line_deleted) << data;
    EXPECT_TRUE(source.train_deleted) << data;
  }
}

}  // namespace
}  // namespace scenario
