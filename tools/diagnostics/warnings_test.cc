// scenario-compile's warnings: each kind at the field it is about, each
// silenced by its own switch, and none of them changing a byte of output.
#include <gtest/gtest.h>

#include "app/compile_step.h"
#include "content/documents.h"
#include "tools/diagnostics/test_support.h"

namespace scenario {
namespace {

using testing::CompileRun;
using testing::FindField;
using testing::kOrigin;
using testing::kTerminus;
using testing::LineText;
using testing::TrainText;

const std::string kCleanLine = LineText({});
const std::string kCleanTrain = TrainText({kOrigin, kTerminus});

struct WarningCase {
  const char* name;
  const char* warning;
  std::string line;
  std::string train;
  bool in_train;
  std::string line_part;  // "" for the whole file
  std::string token;
};

class CompileWarningTest : public ::testing::TestWithParam<WarningCase> {};

TEST_P(CompileWarningTest, PointsAtTheFieldAndIsSilencedByItsSwitch) {
  const WarningCase& c = GetParam();
  CompileRun run;
  run.Run(c.line, c.train);
  const Diagnostic* d = run.Warning(c.warning);
  ASSERT_NE(d, nullptr) << run.err;
  EXPECT_EQ(run.CountWarnings(c.warning), 1) << run.err;
  EXPECT_EQ(d->file, c.in_train ? run.train_path : run.line_path);
  const std::string& text = c.in_train ? c.train : c.line;
  const TextPosition expected =
      c.line_part.empty() ? TextPosition{} : FindField(text, c.line_part, c.token);
  ASSERT_TRUE(c.line_part.empty() || expected.line > 0) << "bad test case";
  EXPECT_EQ(d->line, expected.line) << run.err;
  EXPECT_EQ(d->column, expected.column) << run.err;
  EXPECT_NE(run.err.find("[-W" + std::string(c.warning) + "]"), std::string::npos) << run.err;

  CompileRun silenced;
  CompileOptions options;
  options.warnings.disabled.insert(c.warning);
  silenced.Run(c.line, c.train, options);
  EXPECT_EQ(silenced.Warning(c.warning), nullptr) << silenced.err;
  EXPECT_EQ(silenced.summary.warnings, run.summary.warnings - 1);
}

const std::string kPassingPoint = "stazione, 10000, 25, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, PASSO";

INSTANTIATE_TEST_SUITE_P(
    EveryKind, CompileWarningTest,
    ::testing::Values(
        WarningCase{"GradientOrder", "gradient-order",
                    LineText({"pendenza, 500, -7", "pendenza, 400, 3"}), kCleanTrain, false, "400",
                    "400"},
        WarningCase{"CurveOrder", "curve-order",
                    LineText({"curvad2, 1000, 300", "curvas3, 500, 100"}), kCleanTrain, false,
                    "curvas3", "500"},
        WarningCase{"CurveOverlap", "curve-overlap",
                    LineText({"curvad2, 500, 300", "curvas3, 700, 300"}), kCleanTrain, false,
                    "curvas3", "700"},
        WarningCase{"SpeedLimitOrder", "speed-limit-order", kCleanLine,
                    TrainText({kOrigin, "velocita' limite, 5000, 100", "velocita' limite, 4000, 80",
                               kTerminus}),
                    true, "4000", "4000"},
        WarningCase{"AdhesionOrder", "adhesion-order", kCleanLine,
                    TrainText({kOrigin, "aderenza, 5000, 80", "aderenza, 4000, 90", kTerminus}),
                    true, "4000", "4000"},
        // A negative stop length puts the zone behind the position, so the
        // stop passes the spacing check although it stands behind.
        WarningCase{"StopOrder", "stop-order", kCleanLine,
                    TrainText({"stazione, 10000, 8, 500, 1,0,0, 4,0,0, 2,1,0, 1, 10,50,0, ORIGINE",
                               "stazione, 5000, 25, -20000, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, PASSO",
                               "stazione, 25000, 6, 600, 1,0,0, 0,0,0, 0,0,0, 0, 11,30,0, FINE"}),
                    true, "PASSO", "5000"},
        WarningCase{"GradientRange", "gradient-range", LineText({"pendenza, 500, 160"}),
                    kCleanTrain, false, "pendenza", "160"},
        WarningCase{"AdhesionRange", "adhesion-range", kCleanLine,
                    TrainText({kOrigin, "aderenza, 0, 300", kTerminus}), true, "aderenza", "300"},
        WarningCase{"ThirdCommentInData", "comment-keyword",
                    LineText({"- uno", "- due", "- pendenza, 700, 2"}), kCleanTrain, false,
                    "- pendenza", "-"},
        WarningCase{"ThirdCommentInTrain", "comment-keyword", kCleanLine,
                    TrainText({kOrigin, "- a", "- b",
                               "- segnale, 3000, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0", kTerminus}),
                    true, "- segnale", "-"},
        WarningCase{"TwoChainageSections", "several-records",
                    LineText({}, {"progressiva chilometrica uno due, 200, 0, 0, 100, 0, 0"}),
                    kCleanTrain, false, "progressiva", "progressiva"},
        WarningCase{"MassAndCarriages", "several-records", kCleanLine,
                    TrainText({kOrigin, "massa frenata vetture, 130, 12", kTerminus}), true,
                    "massa", "massa"},
        WarningCase{"DataRecordInGeneral", "wrong-section", LineText({}, {"pendenza, 500, 3"}),
                    kCleanTrain, false, "pendenza", "pendenza"},
        WarningCase{"GeneralRecordInData", "wrong-section", LineText({"sfondo uno, 1"}),
                    kCleanTrain, false, "sfondo", "sfondo"},
        WarningCase{"CapitalInitials", "keyword-case",
                    LineText({}, {"Progressiva chilometrica uno, 100, 0, 0"}), kCleanTrain, false,
                    "Progressiva", "Progressiva"},
        WarningCase{"LastFieldOfLine", "last-field",
                    "[generale]\r\nlunghezza percorso, 30000\r\n[pendenze]\r\npendenza\r\n",
                    kCleanTrain, false, "pendenza", "pendenza"},
        WarningCase{"LastFieldOfGeneralSection", "last-field",
                    "[generale]\r\nlunghezza percorso, 30000\r\nsfondo uno\r\n", kCleanTrain,
                    false, "sfondo", "sfondo"},
        WarningCase{"LastFieldOfTrain", "last-field", kCleanLine,
                    "[generale]\r\n" + kOrigin + "\r\n" + kTerminus + "\r\nsegnale\r\n", true,
                    "segnale", "segnale"},
        WarningCase{
            "ApproachOfPassingPoint", "ignored-approach", kCleanLine,
            TrainText({kOrigin, "stazione, 10000, 25, 400, 7,0,0, 0,0,0, 0,0,0, 0, 0,0,0, PASSO",
                       kTerminus}),
            true, "PASSO", "7"},
        WarningCase{
            "TimedPassingPoint", "ignored-stop-kind", kCleanLine,
            TrainText({kOrigin, "stazione, 10000, 26, 400, 0,0,0, 0,0,0, 0,0,0, 0, 11,5,0, PASSO",
                       kTerminus}),
            true, "PASSO", "26"},
        WarningCase{"TerminusOfIgnoredKind", "ignored-stop-kind", kCleanLine,
                    TrainText({kOrigin, kPassingPoint}), true, "PASSO", "25"},
        WarningCase{"SingleStop", "few-stops", kCleanLine, TrainText({kOrigin}), true, "ORIGINE",
                    "stazione"},
        WarningCase{"NoStop", "few-stops", kCleanLine, TrainText({"sabbia, 300"}), true, "", ""},
        WarningCase{
            "TimeGoesBack", "time-order", kCleanLine,
            TrainText({kOrigin, "stazione, 10000, 2, 800, 0,1,1, 1,1,0, 4,0,0, 0, 10,40,0, MEZZO",
                       kTerminus}),
            true, "MEZZO", "10,40"},
        WarningCase{"UnknownKeyword", "unknown-keyword",
                    LineText({"pendenza, 500, -7", "pendeza, 900, 3"}), kCleanTrain, false,
                    "pendeza", "pendeza"},
        WarningCase{"CommentComma", "comment-comma", LineText({"- first note, second note"}),
                    kCleanTrain, false, "first note", ", second"},
        WarningCase{"NameComma", "name-comma", kCleanLine,
                    TrainText({kOrigin,
                               "stazione, 10000, 2, 800, 0,0,0, 1,1,0, 4,0,0, 0, 0,0,0, ROCCA, "
                               "SAN GIORGIO",
                               kTerminus}),
                    true, "ROCCA", ", SAN"},
        WarningCase{"SignTextComma", "name-comma",
                    LineText({"cartello indicatore, 6200, ( Km. ) (249,900)"}), kCleanTrain,
                    false, "cartello", ",900"},
        WarningCase{"TabOfAShortZone", "tab-cleared", kCleanLine,
                    TrainText({kOrigin,
                               "stazione, 10000, 2, 400, 0, 7, 0, 1,1,0, 4,0,0, 0, 0,0,0, CORTA",
                               kTerminus}),
                    true, "CORTA", "7"},
        WarningCase{"TabOfTheFirstStop", "tab-cleared", kCleanLine,
                    TrainText({"stazione,      0,  8, 500,  1, 3, 0,   4,0,0,  2,1,0,  1, 10,50, "
                               "0, ORIGINE",
                               kTerminus}),
                    true, "ORIGINE", "3"}),
    [](const ::testing::TestParamInfo<WarningCase>& info) { return std::string(info.param.name); });

TEST(CompileWarningTest, CleanDescriptionsHaveNone) {
  CompileRun run;
  run.Run(kCleanLine, TrainText({kOrigin, kPassingPoint, kTerminus}));
  EXPECT_EQ(run.summary.warnings, 0) << run.err;
  EXPECT_EQ(run.summary.errors, 0) << run.err;
  EXPECT_EQ(run.err,
            "scenario-compile: read 0 gradients, 0 curves, 0 tunnels, 0 speed boards, 0 sign "
            "boards, 0 speed limits, 0 adhesions, 0 signals, 0 slowdowns, 0 code reductions, 3 "
            "stops\n"
            "scenario-compile: 0 errors, 0 warnings\n");
}

TEST(CompileWarningTest, CarriedScenarioHasNone) {
  auto text = [](const LineBuffer& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
      if (line == kEndMarker) break;
      bytes += line + "\r\n";
    }
    return bytes;
  };
  CompileRun run;
  run.Run(text(CarriedLineDescription()), text(CarriedTrainDescription()));
  EXPECT_EQ(run.summary.exit_status, 0);
  EXPECT_EQ(run.summary.diagnostics.size(), 0u) << run.err;
}

TEST(CompileWarningTest, WarningsCountAsErrorsOnlyWhenAsked) {
  const std::string line = LineText({"pendenza, 500, -7", "pendenza, 400, 3"});
  CompileRun plain;
  EXPECT_EQ(plain.Run(line, kCleanTrain).exit_status, 0);
  CompileOptions strict;
  strict.warnings.as_errors = true;
  CompileRun as_errors;
  EXPECT_EQ(as_errors.Run(line, kCleanTrain, strict).exit_status, 1);
  EXPECT_NE(as_errors.err.find("(warnings count as errors)"), std::string::npos);
  strict.warnings.disabled.insert("gradient-order");
  CompileRun silenced;
  EXPECT_EQ(silenced.Run(line, kCleanTrain, strict).exit_status, 0);
}

// Descriptions that raise most warnings at once.
const std::string kNoisyLine =
    LineText({"pendenza, 500, -7", "pendenza, 400, 160", "curvad2, 1000, 300", "curvas3, 1100, 300",
              "- uno", "- due", "- pendenza, 2000, 2", "sfondo uno, 1", "montagna, 3000, 4000, 11"},
             {"pendenza, 100, 1", "progressiva chilometrica uno due, 200, 0, 0, 100, 0, 0"});
const std::string kNoisyTrain =
    TrainText({kOrigin, "velocita' limite, 5000, 100", "velocita' limite, 4000, 80",
               "aderenza, 0, 300", "aderenza, 100, 80", "aderenza, 50, 70",
               "stazione, 10000, 25, 400, 7,0,0, 0,0,0, 0,0,0, 0, 9,0,0, PASSO",
               "segnale, 12000, 2, 4, 0, 0, 0, 2, 1, 0, 0, 0", kTerminus});

std::vector<std::string> OutputFiles(const CompileRun& run) {
  std::vector<std::string> bytes;
  for (const std::string& name : run.summary.files) {
    bytes.push_back(testing::ReadFile(std::filesystem::path(run.out_dir) / name));
  }
  return bytes;
}

TEST(CompileWarningTest, WarningsNeverChangeTheOutput) {
  CompileRun warned;
  warned.Run(kNoisyLine, kNoisyTrain);
  ASSERT_GE(warned.summary.warnings, 10) << warned.err;
  ASSERT_EQ(warned.summary.files.size(), 3u);

  CompileOptions quiet;
  for (const WarningKind& kind : AllWarnings()) quiet.warnings.disabled.insert(kind.name);
  CompileRun silenced;
  silenced.Run(kNoisyLine, kNoisyTrain, quiet);
  EXPECT_EQ(silenced.summary.warnings, 0);
  EXPECT_EQ(silenced.summary.files, warned.summary.files);
  EXPECT_EQ(OutputFiles(silenced), OutputFiles(warned));

  // The packager's own compile step, with no listener attached at all.
  testing::TestFolder folder;
  GeneratorState state;
  state.route_name = kRouteName;
  state.train_number = kTrainNumber;
  MemorySource source(kNoisyLine, kNoisyTrain);
  FreshFileWriter writer;
  const CompileResult result = memorizza_percorso(state, 1, source, folder.path(), writer);
  ASSERT_TRUE(result.status.ok());
  EXPECT_EQ(state.error_code, warned.summary.error_code);
  std::vector<std::string> packager;
  for (const std::string& name : warned.summary.files) {
    packager.push_back(testing::ReadFile(folder / name));
  }
  EXPECT_EQ(packager, OutputFiles(warned));
}

// The gap rule is the tunnel writer's: a tunnel that the reader refuses
// beyond the grid (error 15) is never written, so never made kind 3.
TEST(TunnelGapWarningTest, OnlyForATunnelTheWriterJoined) {
  struct Case {
    const char* second_tunnel;
    int gap_warnings;
  };
  for (const Case& c : {Case{"montagna, 7900, 8000, 2", 1}, Case{"montagna, 7950, 8100, 2", 0}}) {
    CompileRun run;
    run.Run(std::string("[generale]\r\nlunghezza percorso, 1000\r\n[montagne]\r\n"
                        "montagna, 7000, 7850, 1\r\n") +
                c.second_tunnel + "\r\n[fine]\r\n",
            "[generale]\r\n[fine]\r\n");
    EXPECT_EQ(run.CountWarnings("tunnel-gap"), c.gap_warnings) << run.err;
  }
}

TEST(WarningSwitchTest, TakesSwitchesAndKeepsTheRestInOrder) {
  std::vector<std::string> arguments = {"-Wno-gradient-order",
                                        "line.txt",
                                        "--report",
                                        "r.json",
                                        "-Werror",
                                        "-Wno-few-stops",
                                        "-Wgradient-order",
                                        "train.txt",
                                        "--warnings-as-errors",
                                        "out"};
  WarningOptions options;
  EXPECT_EQ(TakeWarningSwitches(&arguments, &options), "");
  EXPECT_EQ(arguments,
            (std::vector<std::string>{"line.txt", "--report", "r.json", "train.txt", "out"}));
  EXPECT_TRUE(options.as_errors);
  EXPECT_EQ(options.disabled, (std::set<std::string>{"few-stops"}));
}

TEST(WarningSwitchTest, UnknownNameIsRefused) {
  std::vector<std::string> arguments = {"-Wno-gradient-ordr", "line.txt"};
  WarningOptions options;
  EXPECT_EQ(TakeWarningSwitches(&arguments, &options), "unknown warning switch -Wno-gradient-ordr");
}

}  // namespace
}  // namespace scenario
