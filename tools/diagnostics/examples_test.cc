// The example descriptions compile cleanly; the JSON report lists the
// diagnostics; --svg draws the result; the command line takes the warning
// switches.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::CompileRun;
using testing::kOrigin;
using testing::LineText;
using testing::TrainText;

const std::string kExamples = std::string(SCENARIO_SOURCE_DIR) + "/examples/";

TEST(CompileExamplesTest, CompileWithoutErrorsOrWarnings) {
  CompileRun run;
  CompileOptions options;
  options.line_path = kExamples + "line.txt";
  options.train_path = kExamples + "train.txt";
  const CompileSummary& summary = run.RunOn(options);
  EXPECT_EQ(summary.exit_status, 0);
  EXPECT_EQ(summary.error_code, 0);
  EXPECT_EQ(summary.diagnostics.size(), 0u) << run.err;
  EXPECT_EQ(summary.files.size(), 3u);
  EXPECT_EQ(run.err,
            "scenario-compile: read 4 gradients, 3 curves, 1 tunnel, 2 speed boards, 1 sign "
            "board, 4 speed limits, 2 adhesions, 4 signals, 1 slowdown, 1 code reduction, 3 "
            "stops\n"
            "scenario-compile: 0 errors, 0 warnings\n");
}

TEST(CompileReportTest, ListsTheDiagnosticsBesideTheOldFields) {
  CompileRun run;
  CompileOptions options;
  options.report_path = (run.folder / "report.json").string();
  const std::string train = TrainText({kOrigin, "abbattimento codice, 6250, 270"});
  run.Run(LineText({"pendenza, 500, -7", "pendenza, 400, 3", "cartello indicatore, 6200, ( X )"}),
          train, options);
  const nlohmann::json report = nlohmann::json::parse(testing::ReadFile(options.report_path));
  EXPECT_EQ(report["error_code"], 7);
  EXPECT_EQ(report["error_position"], 6250);
  EXPECT_TRUE(report["fatal"].is_null());
  // The error code holds the files back; the report is written all the same.
  EXPECT_EQ(report["files"].size(), 0u);
  EXPECT_EQ(report["held_back"].size(), 3u);
  ASSERT_EQ(report["diagnostics"].size(), 2u) << report.dump(2);
  const nlohmann::json& warning = report["diagnostics"][0];
  EXPECT_EQ(warning["severity"], "warning");
  EXPECT_EQ(warning["warning"], "gradient-order");
  EXPECT_EQ(warning["file"], run.line_path);
  EXPECT_EQ(warning["line"], 5);
  EXPECT_EQ(warning["column"], 11);
  const nlohmann::json& error = report["diagnostics"][1];
  EXPECT_EQ(error["severity"], "error");
  EXPECT_EQ(error["code"], 7);
  EXPECT_EQ(error["file"], run.train_path);
  EXPECT_EQ(error["line"], 3);
  EXPECT_EQ(error["column"], 22);
  EXPECT_EQ(error["message"], run.Error(7)->message);
  EXPECT_FALSE(error.contains("warning"));
}

TEST(CompileSvgTest, DrawsTheCompiledScenario) {
  CompileRun run;
  CompileOptions options;
  options.svg_path = (run.folder / "picture.svg").string();
  options.line_path = kExamples + "line.txt";
  options.train_path = kExamples + "train.txt";
  ASSERT_EQ(run.RunOn(options).exit_status, 0) << run.err;
  const std::string svg = testing::ReadFile(options.svg_path);
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  EXPECT_NE(svg.find("GAMMA"), std::string::npos);  // the stops are named in the picture
}

TEST(CompileCommandLineTest, TakesTheWarningSwitches) {
  CompileRun run;
  testing::WriteFile(run.line_path, LineText({}));
  testing::WriteFile(run.train_path, TrainText({kOrigin}));  // warns: few-stops
  const std::string files = run.line_path + " " + run.train_path + " " + run.out_dir + " 2>" +
                            (run.folder / "err.txt").string();
  EXPECT_EQ(testing::RunCompileBinary(files), 0);
  EXPECT_EQ(testing::RunCompileBinary("--warnings-as-errors " + files), 1);
  EXPECT_EQ(testing::RunCompileBinary("-Werror -Wno-few-stops " + files), 0);
  EXPECT_EQ(testing::RunCompileBinary("-Wno-few-stop " + files), 2);
  EXPECT_NE(testing::ReadFile(run.folder / "err.txt").find("unknown warning switch -Wno-few-stop"),
            std::string::npos);
}

}  // namespace
}  // namespace scenario
