// What a compile leaves in OUTDIR: the binary files only when the error
// code is 0, or with --write-on-error exactly what the compile step writes;
// and the picture of the last good compile with a red band while the
// descriptions fail. The report and the picture are written as the binary
// files are: whole or not at all, over an older file only once complete. One
// that cannot be written is a file failure: a message naming it and the
// reason, exit status 2, the older file kept byte for byte, no temporary
// file left.
#include <filesystem>
#include <set>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/compile_step.h"
#include "descriptions/description_source.h"
#include "tests/file_faults.h"
#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::CompileRun;
using testing::kOrigin;
using testing::kTerminus;
using testing::LineText;
using testing::ReadFile;
using testing::TrainText;
using testing::WriteFile;

const std::string kExamples = std::string(SCENARIO_SOURCE_DIR) + "/examples/";

const char* const kNames[] = {"Corvena_Lidra1_7304.dat", "Corvena_Lidra1_7304.sim",
                              "Corvena_Lidra1_linea.dat"};

// Error 7: a code reduction on the cell of a sign board.
const std::string kFailingLine = LineText({"cartello indicatore, 6200, ( X )"});
const std::string kFailingTrain =
    TrainText({kOrigin, "abbattimento codice, 6250, 270", kTerminus});
const std::string kGoodLine = LineText({"cartello indicatore, 6200, ( X )"});
const std::string kGoodTrain = TrainText({kOrigin, kTerminus});

TEST(CompileOutputsTest, AnErrorCodeLeavesTheFolderAsItWas) {
  CompileRun run;
  std::filesystem::create_directories(run.out_dir);
  for (const char* name : kNames) WriteFile(run.folder / "out" / name, std::string("old ") + name);
  CompileOptions options;
  options.report_path = (run.folder / "report.json").string();
  run.Run(kFailingLine, kFailingTrain, options);
  EXPECT_EQ(run.summary.error_code, 7);
  EXPECT_EQ(run.summary.exit_status, 1);
  for (const char* name : kNames) {
    EXPECT_EQ(ReadFile(run.folder / "out" / name), std::string("old ") + name);
  }
  EXPECT_EQ(testing::CountEntries(run.out_dir), 3u);
  EXPECT_TRUE(run.summary.files.empty());
  EXPECT_EQ(run.summary.held_back, std::vector<std::string>(std::begin(kNames), std::end(kNames)));
  EXPECT_NE(run.err.find("scenario-compile: error code 7: " + run.out_dir +
                         " left as it was; --write-on-error writes the files anyway\n"),
            std::string::npos)
      << run.err;
  // The report is the author's: written all the same.
  const nlohmann::json report = nlohmann::json::parse(ReadFile(options.report_path));
  EXPECT_EQ(report["held_back"].size(), 3u);
  EXPECT_EQ(report["files"].size(), 0u);
}

TEST(CompileOutputsTest, WriteOnErrorWritesWhatTheCompileStepWrites) {
  CompileRun run;
  CompileOptions options;
  options.write_on_error = true;
  run.Run(kFailingLine, kFailingTrain, options);
  EXPECT_EQ(run.summary.exit_status, 1);
  EXPECT_TRUE(run.summary.held_back.empty());
  EXPECT_EQ(run.err.find("left as it was"), std::string::npos) << run.err;

  // The compile step on the same texts, as the packager runs it.
  const std::filesystem::path step = run.folder / "step";
  std::filesystem::create_directories(step);
  GeneratorState state;
  state.route_name = kRouteName;
  state.train_number = kTrainNumber;
  MemorySource source(kFailingLine, kFailingTrain);
  FreshFileWriter writer;
  ASSERT_TRUE(memorizza_percorso(state, 1, source, step, writer).status.ok());
  ASSERT_EQ(state.error_code, 7);
  for (const char* name : kNames) {
    EXPECT_EQ(ReadFile(run.folder / "out" / name), ReadFile(step / name)) << name;
  }
}

bool HasBand(const std::string& svg) { return svg.find("id=\"failure\"") != std::string::npos; }

// The picture keeps showing the last good compile; the band says why the
// files are older than the descriptions, until a compile succeeds again.
TEST(CompileOutputsTest, PictureOfAFailingCompileShowsTheLastGoodOneUnderABand) {
  CompileRun run;
  CompileOptions options;
  options.svg_path = (run.folder / "picture.svg").string();
  run.Run(kGoodLine, kGoodTrain, options);
  ASSERT_EQ(run.summary.exit_status, 0) << run.err;
  EXPECT_FALSE(HasBand(ReadFile(options.svg_path)));
  const std::string good_grid = ReadFile(run.folder / "out" / kNames[0]);

  run.Run(kFailingLine, kFailingTrain, options);
  const std::string failing = ReadFile(options.svg_path);
  EXPECT_TRUE(HasBand(failing));
  EXPECT_NE(failing.find("CAPOLINEA"), std::string::npos);  // the last good scenario
  EXPECT_NE(failing.find(run.Error(7)->message), std::string::npos);
  EXPECT_EQ(ReadFile(run.folder / "out" / kNames[0]), good_grid);

  run.Run(kGoodLine, kGoodTrain, options);
  EXPECT_FALSE(HasBand(ReadFile(options.svg_path)));
}

TEST(CompileOutputsTest, PictureWithoutAGoodCompileIsTheBandAlone) {
  CompileRun run;
  CompileOptions options;
  options.svg_path = (run.folder / "picture.svg").string();
  run.Run(LineText({"curvad5, 4000", "curvad5, 4200, 300"}), kGoodTrain, options);
  const std::string svg = ReadFile(options.svg_path);
  EXPECT_TRUE(HasBand(svg));
  EXPECT_NE(svg.find("the curve record needs 2 values"), std::string::npos);
  EXPECT_EQ(svg.find("id=\"stops\""), std::string::npos);
}

TEST(CompileOutputsTest, ReportCarriesNotesRecordsReadAndReaderStops) {
  CompileRun run;
  CompileOptions options;
  options.report_path = (run.folder / "report.json").string();
  run.Run(LineText({"pendenza, 500, 3", "curvad5, 4000", "curvad5, 4200, 300"}), kGoodTrain,
          options);
  const nlohmann::json report = nlohmann::json::parse(ReadFile(options.report_path));
  ASSERT_EQ(report["diagnostics"].size(), 1u) << report.dump(2);
  const nlohmann::json& note = report["diagnostics"][0]["notes"][0];
  EXPECT_EQ(note["file"], run.line_path);
  EXPECT_EQ(note["line"], 6);
  EXPECT_EQ(note["column"], 1);
  EXPECT_EQ(note["message"], "\"curvad5\" was read as its length, and is not a number");
  EXPECT_EQ(report["records_read"]["gradient"], 1);
  EXPECT_EQ(report["records_read"]["curve"], 0);
  EXPECT_EQ(report["records_read"]["stop"], 0);
  ASSERT_EQ(report["reader_stops"].size(), 1u);
  const nlohmann::json& stop = report["reader_stops"][0];
  EXPECT_EQ(stop["reader"], "line");
  EXPECT_EQ(stop["code"], 25);
  EXPECT_EQ(stop["line"], 5);
  EXPECT_EQ(stop["column"], 1);
  EXPECT_EQ(stop["not_read"], "the rest of the line description and the whole train description");
}

TEST(CompileOutputsTest, AReportOrPictureThatCannotBeWrittenIsAFileFailure) {
  const struct {
    const char* file;     // report.json or picture.svg
    const char* where;    // the folder it goes into, under the test's folder
    FileStep step;        // the step made to fail, when the folder exists
    const char* message;  // after "cannot write PATH: "
  } cases[] = {
      {"report.json", "missing", FileStep::kCreate, "create: No such file or directory"},
      {"picture.svg", "missing", FileStep::kCreate, "create: No such file or directory"},
      // A full disk, or any other failure part-way.
      {"report.json", "kept", FileStep::kWrite, "write: Input/output error"},
      {"picture.svg", "kept", FileStep::kFlush, "flush: Input/output error"},
      {"report.json", "kept", FileStep::kRename, "rename: Permission denied"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " in " + c.where);
    CompileRun run;
    const std::filesystem::path folder = run.folder / c.where;
    const std::string path = (folder / c.file).string();
    const std::string older = "older, larger file of that name: " + std::string(10000, 'o');
    if (std::string(c.where) == "kept") {
      std::filesystem::create_directory(folder);
      testing::WriteFile(path, older);
    }
    testing::FailOneFile faults(c.step, std::string(c.where) == "kept" ? c.file : "nothing");
    CompileOptions options;
    options.line_path = kExamples + "line.txt";
    options.train_path = kExamples + "train.txt";
    (std::string(c.file) == "report.json" ? options.report_path : options.svg_path) = path;
    options.faults = &faults;
    EXPECT_EQ(run.RunOn(options).exit_status, 2);
    EXPECT_EQ(run.err, "scenario-compile: read 4 gradients, 3 curves, 1 tunnel, 2 speed boards, 1 sign "
                         "board, 4 speed limits, 2 adhesions, 4 signals, 1 slowdown, 1 code reduction, "
                         "3 stops\nscenario-compile: 0 errors, 0 warnings\nscenario-compile: cannot write " +
                             path + ": " + c.message + "\n");
    if (std::string(c.where) == "kept") {
      EXPECT_EQ(ReadFile(path), older);
      EXPECT_EQ(testing::EntryNames(folder), std::set<std::string>{c.file});
    } else {
      EXPECT_FALSE(std::filesystem::exists(folder));
    }
  }
}

// A write or a rename of a binary file that fails leaves OUTDIR's three as
// they were, with --write-on-error too: the files go through the output gate
// as one set.
TEST(CompileOutputsTest, AFileFailureLeavesTheOlderSetWhole) {
  for (const char* name : kNames) {
    for (FileStep step : {FileStep::kWrite, FileStep::kRename}) {
      for (bool write_on_error : {false, true}) {
        SCOPED_TRACE(std::string(name) + (step == FileStep::kWrite ? " write" : " rename") +
                     (write_on_error ? " --write-on-error" : ""));
        CompileRun run;
        std::filesystem::create_directory(run.out_dir);
        for (const char* older : kNames) WriteFile(std::filesystem::path(run.out_dir) / older, older);
        testing::FailOneFile faults(step, name);
        CompileOptions options;
        options.faults = &faults;
        options.write_on_error = write_on_error;
        options.report_path = (run.folder / "report.json").string();
        run.Run(ReadFile(kExamples + "line.txt"), ReadFile(kExamples + "train.txt"), options);
        EXPECT_EQ(run.summary.exit_status, 2);
        EXPECT_NE(run.err.find("cannot write " + (std::filesystem::path(run.out_dir) / name).string()),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(testing::EntryNames(run.out_dir), std::set<std::string>(std::begin(kNames), std::end(kNames)));
        for (const char* older : kNames) EXPECT_EQ(ReadFile(std::filesystem::path(run.out_dir) / older), older);
        EXPECT_EQ(nlohmann::json::parse(ReadFile(options.report_path))["files"], nlohmann::json::array());
      }
    }
  }
}

TEST(CompileOutputsTest, AnOlderLargerReportIsReplacedWhole) {
  CompileRun run;
  CompileOptions options;
  options.report_path = (run.folder / "report.json").string();
  testing::WriteFile(options.report_path, std::string(100000, '{'));
  run.Run(testing::LineText({}), testing::TrainText({testing::kOrigin, testing::kTerminus}), options);
  EXPECT_EQ(run.summary.exit_status, 0) << run.err;
  const std::string report = ReadFile(options.report_path);
  EXPECT_EQ(report.rfind("{\n  \"diagnostics\": [],", 0), 0u) << report.substr(0, 100);
  EXPECT_EQ(report.back(), '\n');
  EXPECT_LT(report.size(), 1000u);
}

}  // namespace
}  // namespace scenario
