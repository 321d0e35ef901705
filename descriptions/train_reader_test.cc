#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "descriptions/read_descriptions.h"
#include "descriptions/read_observer.h"
#include "descriptions/train_reader_test_support.h"

namespace scenario {
namespace {

TEST_F(TrainReaderTest, GeneralValuesOfTheCarriedDescription) {
  ASSERT_TRUE(Read(TrainText({
      "numero vetture,    12",
      "percentuale massa frenata,    130",
      "sabbia,    300",
      "orologio,    13              53            30 ",
  })));
  EXPECT_EQ(row(kRunRow).position, 12);
  EXPECT_EQ(row(kRunRow).span_start, 130);
  EXPECT_EQ(row(kTrainRow).first_d2, 300);
  EXPECT_EQ(row(kTrainRow).second_d1, 13);
  EXPECT_EQ(row(kTrainRow).second_d2, 53);
  EXPECT_EQ(row(kTrainRow).second_d3, 30);
  EXPECT_EQ(state.error_code, 0);
  EXPECT_TRUE(TrainDeleted());
}

TEST_F(TrainReaderTest, OneKeywordFieldReadsSeveralRecords) {
  ASSERT_TRUE(Read(TrainText({"massa frenata vetture, 140, 9"})));
  EXPECT_EQ(row(kRunRow).span_start, 140);
  EXPECT_EQ(row(kRunRow).position, 9);
}

TEST_F(TrainReaderTest, BrakedMassKeywordFieldNeedsBothWords) {
  struct Case {
    const char* field;
    int32_t braked_mass;
  };
  // A field with only one of the words is no braked-mass record: its value
  // is the next keyword field and matches nothing.
  const Case cases[] = {{"massa treno", 0}, {"frenata", 0}, {"Massa Frenata", 130},
                        {"percentuale massa frenata", 130}};
  for (const Case& c : cases) {
    row(kRunRow) = ScenarioRow{};
    ASSERT_TRUE(Read(TrainText({std::string(c.field) + ", 130", "numero vetture, 7"})));
    EXPECT_EQ(row(kRunRow).span_start, c.braked_mass) << c.field;
    EXPECT_EQ(row(kRunRow).position, 7) << c.field;
    EXPECT_EQ(state.error_code, 0) << c.field;
  }
}

TEST_F(TrainReaderTest, KeywordsInAnyCaseAndGroupHeadersThatMatchNothing) {
  ASSERT_TRUE(Read(TrainText({
      "[aderenze] ", "[rallentamenti]", "[segnali]", "[vel_limite]", "[stazioni]", "[codici]",
      "NUMERO VETTURE, 8",
      "Aderenza, 0, 70",
      "SEGNALE,  20500, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0",
      "Stazione, 4500,  2, 800,  0, 1, 1,   1,1,0,  4,0,0,  0,  0, 0, 0, BRESSOLA",
      "VELOCITA' LIMITE, 0, 40",
      "Sabbia, 300",
      "OROLOGIO, 13, 53, 30",
      "Abbattimento Codice, 5300, 270",
  })));
  EXPECT_EQ(row(kRunRow).position, 8);
  EXPECT_EQ(cell(0).adhesion, 70);
  EXPECT_EQ(cell(0).speed_limit, 8);
  EXPECT_EQ(row(kTrainRow).first_d2, 300);
  EXPECT_EQ(row(kTrainRow).second_d1, 13);
  EXPECT_EQ(cell(106).cell_type, kCodeReduction);
  EXPECT_EQ(cell(411).cell_type, kSignal);
  EXPECT_EQ(row(1).name, "BRESSOLA");
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(TrainReaderTest, TwoCommentFieldsArePassedOverTheThirdIsAKeywordField) {
  ASSERT_TRUE(Read(TrainText({"- uno", "- due", "- numero vetture, 7", "- a", "sabbia, 5"})));
  EXPECT_EQ(row(kRunRow).position, 7);
  EXPECT_EQ(row(kTrainRow).first_d2, 5);
}

TEST_F(TrainReaderTest, CommentedOutStopIsPassedOver) {
  ASSERT_TRUE(Read(TrainText({
      "-stazione, 260400, 25, 400,  0, 0, 0,   0,0,0,  0,0,0,  0,  0, 0, 0, P.C. FONTANELLE",
      "numero vetture, 6",
  })));
  EXPECT_EQ(row(1).position, 0);
  EXPECT_EQ(row(1).name, "");
  EXPECT_EQ(row(kRunRow).position, 6);
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(TrainReaderTest, NameHoldingAKeywordStartsARecordInACommentedOutLine) {
  // The name field of the disabled stop is read as a keyword field.
  EXPECT_FALSE(Read(TrainText({"-stazione, 260400, 25, segnale nuovo"})));
}

TEST_F(TrainReaderTest, PreambleIsSkippedWhateverItHolds) {
  ASSERT_TRUE(Read("numero vetture, 3, - x, stazione\r\n[GENERALE]\r\nsabbia, 4\r\n[fine]\r\n"));
  EXPECT_EQ(row(kRunRow).position, 0);
  EXPECT_EQ(row(kTrainRow).first_d2, 4);
}

TEST_F(TrainReaderTest, WithoutGeneraleNothingIsReadAndTheProfilesAreZeroed) {
  for (Cell& c : state.grid.cells()) {
    c.speed_limit = 7;
    c.adhesion = 9;
  }
  ASSERT_TRUE(Read("numero vetture, 3\r\nvelocita' limite, 0, 100\r\n[fine]\r\n"));
  EXPECT_EQ(row(kRunRow).position, 0);
  EXPECT_EQ(state.error_code, 0);
  EXPECT_TRUE(TrainDeleted());
  for (int64_t i = 0; i <= last() - 3; ++i) {
    ASSERT_EQ(cell(i).speed_limit, 0) << i;
    ASSERT_EQ(cell(i).adhesion, 0) << i;
  }
  for (int64_t i = last() - 2; i <= last(); ++i) {
    EXPECT_EQ(cell(i).speed_limit, 7) << i;
    EXPECT_EQ(cell(i).adhesion, 9) << i;
  }
}

TEST_F(TrainReaderTest, KeywordFieldThatIsTheLastFieldIsNotRead) {
  ASSERT_TRUE(Read("[generale]\r\nsabbia, 4\r\nnumero vetture"));
  EXPECT_EQ(row(kTrainRow).first_d2, 4);
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(TrainReaderTest, EmptyOrMissingTextIsTheCommonFailurePath) {
  EXPECT_FALSE(Read(""));
  MemorySource missing(std::nullopt, std::nullopt);
  EXPECT_THROW(ReadTrainDescription(state, missing), DescriptionFailure);
}

TEST_F(TrainReaderTest, ValuesThatDoNotFitTheirWidth) {
  EXPECT_FALSE(Read(TrainText({"sabbia, 32768"})));
  EXPECT_FALSE(Read(TrainText({"orologio, 13, 53, -32769"})));
  EXPECT_FALSE(Read(TrainText({"numero vetture, 2147483648"})));
  EXPECT_FALSE(Read(TrainText({"numero vetture, dodici"})));
  EXPECT_FALSE(Read(TrainText({"numero vetture, "})));
  EXPECT_TRUE(Read(TrainText({"sabbia, -32768"})));
  EXPECT_EQ(row(kTrainRow).first_d2, -32768);
}

// Profiles ---------------------------------------------------------------

TEST_F(TrainReaderTest, SpeedLimitFillOfTheExample) {
  ASSERT_TRUE(Read(TrainText({"velocita' limite ,     0    ,   30", "velocita' limite ,   650    ,   95"})));
  for (int64_t i = 0; i <= 12; ++i) EXPECT_EQ(cell(i).speed_limit, 6) << i;
  for (int64_t i = 13; i <= last() - 3; ++i) ASSERT_EQ(cell(i).speed_limit, 19) << i;
  for (int64_t i = last() - 2; i <= last(); ++i) EXPECT_EQ(cell(i).speed_limit, 0) << i;
}

TEST_F(TrainReaderTest, SpeedLimitCellRoundsHalvesToEven) {
  for (int32_t position : {125, 75}) {  // 2.5 and 1.5 both give cell 2
    GeneratorState s;
    s.grid.Size(270000);
    MemorySource src(std::nullopt, TrainText({"velocita' limite, 0, 30",
                                              "velocita' limite, " + std::to_string(position) + ", 60"}));
    ReadTrainDescription(s, src);
    EXPECT_EQ(s.grid.at(1).speed_limit, 6) << position;
    EXPECT_EQ(s.grid.at(2).speed_limit, 12) << position;
  }
}

TEST_F(TrainReaderTest, SecondSpeedLimitInTheSameCellWritesOneMoreCell) {
  ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 30", "velocita' limite, 100, 60",
                              "velocita' limite, 100, 90"})));
  EXPECT_EQ(cell(1).speed_limit, 6);
  EXPECT_EQ(cell(2).speed_limit, 12);
  EXPECT_EQ(cell(3).speed_limit, 18);
}

TEST_F(TrainReaderTest, SpeedLimitRoundsToUnitsOf5) {
  cell(6).speed_limit = 99;
  ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 1277", "velocita' limite, 100, 32",
                              "velocita' limite, 200, 33", "velocita' limite, 300, -2"})));
  EXPECT_EQ(cell(0).speed_limit, 255);
  EXPECT_EQ(cell(2).speed_limit, 6);  // 6.4
  EXPECT_EQ(cell(4).speed_limit, 7);  // 6.6
  EXPECT_EQ(cell(6).speed_limit, 0);  // -0.4
}

TEST_F(TrainReaderTest, SpeedLimitThatDoesNotFitAByteFailsWhenWritten) {
  // 1278 / 5 rounds to 256: read without complaint, refused at the fill.
  EXPECT_FALSE(Read(TrainText({"velocita' limite, 0, 1278", "numero vetture, 4",
                               "velocita' limite, 100, 30", "sabbia, 9"})));
  EXPECT_EQ(row(kRunRow).position, 4);
  EXPECT_EQ(row(kTrainRow).first_d2, 0);
  EXPECT_FALSE(Read(TrainText({"velocita' limite, 0, -3"})));  // -0.6 rounds to -1
}

TEST_F(TrainReaderTest, ProfileFillsStopAtTheLastCell) {
  state.grid.Size(0);  // N = 140
  ASSERT_TRUE(Read(TrainText({
      "velocita' limite, 100, 30", "velocita' limite, 6900, 60", "velocita' limite, 6900, 90",
      "velocita' limite, 6900, 120", "velocita' limite, 6900, 150",
      "aderenza, 100, 30", "aderenza, 6900, 60", "aderenza, 6900, 90",
      "aderenza, 6900, 120", "aderenza, 6900, 150",
  })));
  EXPECT_EQ(cell(1).speed_limit, 0);
  EXPECT_EQ(cell(137).speed_limit, 6);
  EXPECT_EQ(cell(138).speed_limit, 12);
  EXPECT_EQ(cell(139).speed_limit, 18);
  EXPECT_EQ(cell(140).speed_limit, 30);  // the finish step's one write, at cell N
  EXPECT_EQ(cell(137).adhesion, 30);
  EXPECT_EQ(cell(138).adhesion, 60);
  EXPECT_EQ(cell(139).adhesion, 90);
  EXPECT_EQ(cell(140).adhesion, 150);
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(TrainReaderTest, AdhesionOfTheCarriedDescription) {
  ASSERT_TRUE(Read(TrainText({"aderenza,       0, 80", "aderenza,  198000, 100"})));
  EXPECT_EQ(cell(0).adhesion, 80);
  EXPECT_EQ(cell(3959).adhesion, 80);
  EXPECT_EQ(cell(3960).adhesion, 100);
  EXPECT_EQ(cell(last() - 3).adhesion, 100);
  EXPECT_EQ(cell(last() - 2).adhesion, 0);
}

TEST_F(TrainReaderTest, AdhesionKeepsItsLowByte) {
  ASSERT_TRUE(Read(TrainText({"aderenza, 0, 300", "aderenza, 100, -1"})));
  EXPECT_EQ(cell(0).adhesion, 44);
  EXPECT_EQ(cell(2).adhesion, 255);
}

TEST_F(TrainReaderTest, ProfileRecordBeyondTheGridEndsTheReadingWithTheFinishSteps) {
  // (276900 + 100) / 50 = 5540 passes, 276950 does not.
  ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 50", "aderenza, 276900, 60",
                              "velocita' limite, 276950, 100", "numero vetture, 5"})));
  ExpectError(15, 276950);
  EXPECT_EQ(row(kRunRow).position, 0);
  EXPECT_EQ(cell(last() - 3).speed_limit, 10);
  EXPECT_EQ(cell(5537).adhesion, 0);   // written by the fill with the value before 60
  EXPECT_EQ(cell(5538).adhesion, 60);  // the finish step writes at least one cell
  EXPECT_TRUE(TrainDeleted());
}

// Chainage check ----------------------------------------------------------

TEST_F(TrainReaderTest, ChainageCheckAtTheFinish) {
  struct Case {
    int row;
    int32_t span_start, span_end;
    int32_t code;
  };
  const Case cases[] = {{kChainageRow2, 206200, -6525, 2}, {kChainageRow2, 206200, -6550, 0},
                        {kChainageRow3, 263625, 46500, 2}, {kChainageRow1, -50, -100, 0}};
  for (const Case& c : cases) {
    state = GeneratorState{};
    state.grid.Size(270000);
    state.error_position = 1234;
    state.scenario[c.row].span_start = c.span_start;
    state.scenario[c.row].span_end = c.span_end;
    ASSERT_TRUE(Read(TrainText({})));
    ExpectError(c.code, 1234);
  }
  state = GeneratorState{};
  state.grid.Size(270000);
  state.SetError(15, 276950);  // left by the line reader
  state.scenario[kChainageRow1].span_end = 10;
  ASSERT_TRUE(Read(TrainText({})));
  ExpectError(2, 276950);
}

// Code reductions ---------------------------------------------------------

TEST_F(TrainReaderTest, CodeReductions) {
  cell(150).value_a = 33;
  cell(200).cell_type = kTunnelMarker;
  ASSERT_TRUE(Read(TrainText({"abbattimento codice, 6100,270", "abbattimento codice, 7500, 0",
                              "abbattimento codice, 10000, 180", "abbattimento codice, -25, -4"})));
  EXPECT_EQ(cell(122).cell_type, kCodeReduction);
  EXPECT_EQ(cell(122).value_a, 270);
  EXPECT_EQ(cell(150).cell_type, kCodeZero);
  EXPECT_EQ(cell(150).value_a, 33);
  EXPECT_EQ(cell(200).cell_type, kCodeReduction);  // the tunnel marker gives way
  EXPECT_EQ(cell(200).value_a, 180);
  EXPECT_EQ(cell(0).cell_type, kCodeZero);  // -0.5 rounds to cell 0
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(TrainReaderTest, CodeReductionOnASignalsCellIsError7) {
  ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 50",
                              "segnale,  20500, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0",
                              "abbattimento codice, 20550, 270", "numero vetture, 5"})));
  ExpectError(7, 20550);
  EXPECT_EQ(cell(411).cell_type, kSignal);
  EXPECT_EQ(row(kRunRow).position, 0);
  EXPECT_EQ(cell(0).speed_limit, 0);  // no finish steps
  EXPECT_TRUE(TrainDeleted());
}

TEST_F(TrainReaderTest, CodeReductionOutsideTheGridIsError15) {
  ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 50", "abbattimento codice, -26, 270",
                              "numero vetture, 5"})));
  ExpectError(15, -26);
  EXPECT_EQ(row(kRunRow).position, 0);
  EXPECT_EQ(cell(0).speed_limit, 10);  // the finish steps ran
  EXPECT_EQ(cell(0).cell_type, kEmpty);
  ASSERT_TRUE(Read(TrainText({"abbattimento codice, 276950, 270"})));
  ExpectError(15, 276950);
}

// Signals and slowdowns ---------------------------------------------------

TEST_F(TrainReaderTest, SignalsAndSlowdownsGoThroughTheirWriters) {
  ASSERT_TRUE(Read(TrainText({"segnale,  20500, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0",
                              "rallentamento, 10000, 60, 1000, 5, 1, 0"})));
  EXPECT_EQ(cell(411).value_a, 41);
  EXPECT_EQ(cell(411).value_d, 8);
  EXPECT_EQ(cell(403).approach_mark, 84);
  EXPECT_EQ(cell(177).cell_type, kSlowdownWarning);
  EXPECT_EQ(cell(201).cell_type, kSlowdownStart);
  EXPECT_EQ(cell(221).cell_type, kSlowdownEnd);
  EXPECT_EQ(cell(173).cell_type, kSlowdownPrewarning);
  EXPECT_EQ(state.error_code, 0);
}

TEST_F(TrainReaderTest, WriterErrorStopsTheReading) {
  ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 50",
                              "segnale,  20500, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0",
                              "rallentamento, 20500, 60, 1000, 5, 0, 0", "numero vetture, 5"})));
  ExpectError(18, 20500);
  EXPECT_EQ(row(kRunRow).position, 0);
  EXPECT_EQ(cell(0).speed_limit, 0);
  EXPECT_TRUE(TrainDeleted());

  state = GeneratorState{};
  state.grid.Size(270000);
  ASSERT_TRUE(Read(TrainText({"segnale, 20500, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0",
                              "segnale, 20510, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0"})));
  ExpectError(16, 20510);
}

TEST_F(TrainReaderTest, ErrorFifteenOfTheLineReaderEndsTheReadingAtTheFirstSignal) {
  state.SetError(15, 276950);
  ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 50", "numero vetture, 5",
                              "stazione, 4500,  2, 800,  0, 1, 1,   1,1,0,  4,0,0,  0,  0, 0, 0, BRESSOLA",
                              "segnale,  20500, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0", "sabbia, 7"})));
  ExpectError(15, 20500);
  EXPECT_EQ(row(kRunRow).position, 5);
  EXPECT_EQ(row(1).name, "BRESSOLA");
  EXPECT_EQ(cell(411).cell_type, kSignal);  // the writer ran
  EXPECT_EQ(row(kTrainRow).first_d2, 0);
  EXPECT_EQ(cell(0).speed_limit, 0);  // no finish steps
  EXPECT_TRUE(TrainDeleted());

  state = GeneratorState{};
  state.grid.Size(270000);
  state.SetError(15, 276950);
  ASSERT_TRUE(Read(TrainText({"rallentamento, 10000, 60, 1000, 5, 1, 0"})));
  ExpectError(15, 10000);
}

TEST_F(TrainReaderTest, SignalOrSlowdownOutsideTheGridIsError15WithTheFinishSteps) {
  struct Case {
    std::string record;
    int32_t position;
  };
  const Case cases[] = {
      {"segnale, 276950, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0", 276950},
      {"segnale, -76, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0", -76},  // round(-0.52) = -1
      {"rallentamento, 276950, 60, 100, 5, 0, 0", 276950},
      {"rallentamento, 270000, 60, 10000, 5, 0, 0", 270000},  // end cell 5601
      {"rallentamento, -200, 60, 100, 5, 0, 0", -200},        // start cell -3
      // One metre inside the 100 m kept off the grid end (276900 + 100 =
      // 50 N), though every cell of the record lies inside.
      {"segnale, 276901, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0", 276901},
      {"rallentamento, 276901, 60, 0, 5, 0, 0", 276901},
      {"abbattimento codice, 276901, 270", 276901},
  };
  for (const Case& c : cases) {
    state = GeneratorState{};
    state.grid.Size(270000);
    ASSERT_TRUE(Read(TrainText({"velocita' limite, 0, 50", c.record, "numero vetture, 5"})));
    ExpectError(15, c.position);
    EXPECT_EQ(row(kRunRow).position, 0) << c.record;
    EXPECT_EQ(cell(0).speed_limit, 10) << c.record;
    for (const Cell& x : state.grid.cells()) ASSERT_EQ(x.cell_type, kEmpty) << c.record;
  }
  // At the guard itself they are read.
  for (const char* record : {"segnale, 276900, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0", "abbattimento codice, 276900, 270"}) {
    state = GeneratorState{};
    state.grid.Size(270000);
    ASSERT_TRUE(Read(TrainText({record})));
    EXPECT_EQ(state.error_code, 0) << record;
  }
  // A signal in cell 0 is inside the grid; its approach marks are not.
  state = GeneratorState{};
  state.grid.Size(270000);
  ASSERT_TRUE(Read(TrainText({"segnale, -50, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0"})));
  EXPECT_EQ(state.error_code, 0);
  EXPECT_EQ(cell(0).cell_type, kSignal);
}

// The common failure path and the observer --------------------------------

TEST(TrainReaderFailurePath, DescriptionEndingInsideAStopRecord) {
  GeneratorState state;
  state.route_name = kRouteName;
  state.train_number = kTrainNumber;
  state.SetError(0, 4321);
  MemorySource source("[generale]\r\nlunghezza percorso, 10000\r\n[pendenze]\r\n[fine]\r\n",
                      "[generale]\r\nstazione, 0, 8, 500, 1, 0, 0, 4, 0, 0, 2, 1\r\n");
  memorizza_dati(state, source);
  EXPECT_EQ(state.error_code, 25);
  EXPECT_EQ(state.error_position, 4321);
  EXPECT_TRUE(source.line_deleted);
  EXPECT_TRUE(source.train_deleted);
  EXPECT_EQ(state.scenario[1].kind, 8);  // stored before the failure
  EXPECT_EQ(state.scenario[1].second_d1, 2);
}

class Recorder : public ReadObserver {
 public:
  void OnRecord(Description d, std::string_view record, TextPosition at) override {
    if (d == Description::kTrain) records.push_back(std::string(record) + "@" + Where(at));
  }
  void OnError(Description d, int32_t code, TextPosition at) override {
    errors.push_back(std::to_string(code) + (d == Description::kTrain ? "@train " : "@line ") + Where(at));
  }
  static std::string Where(TextPosition at) {
    return std::to_string(at.line) + ":" + std::to_string(at.column);
  }
  std::vector<std::string> records;
  std::vector<std::string> errors;
};

TEST_F(TrainReaderTest, ObserverLearnsRecordsAndErrorsWithTheirKeywordPositions) {
  Recorder recorder;
  state.observer = &recorder;
  state.scenario[kChainageRow3].span_start = 25;
  ASSERT_TRUE(Read(TrainText({"massa frenata vetture, 1, 2", "  orologio, 1, 2, 3",
                              "velocita' limite, 0, 10", "aderenza, 0, 10", "sabbia, 1",
                              "- commento", "  rallentamento, 10000, 60, 1000, 5, 1, 0",
                              "segnale, 500, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0",
                              "abbattimento, 6100, 270",
                              "stazione, 0, 8, 500, 1, 0, 0, 4,0,0, 2,1,0, 1, 10,50,0, VALMERA"})));
  const std::vector<std::string> records = {
      "braked mass@5:1", "carriages@5:1",  "clock@6:3",   "speed limit@7:1", "adhesion@8:1",
      "sand@9:1",        "slowdown@11:3",  "signal@12:1", "code reduction@13:1", "stop@14:1"};
  EXPECT_EQ(recorder.records, records);
  EXPECT_EQ(recorder.errors, std::vector<std::string>{"2@line 0:0"});

  Recorder second;
  state = GeneratorState{};
  state.grid.Size(270000);
  state.observer = &second;
  ASSERT_TRUE(Read(TrainText({"abbattimento, 6100, 270", "abbattimento, 6125, 270"})));
  EXPECT_EQ(second.errors, std::vector<std::string>{"7@train 6:1"});
}

}  // namespace
}  // namespace scenario
