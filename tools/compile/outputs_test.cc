// The report and the picture are written as the binary files are: whole or
// not at all, over an older file only once complete. One that cannot be
// written is a file failure: a message naming it and the reason, exit
// status 2, the older file kept byte for byte, no temporary file left.
#include <gtest/gtest.h>

#include <set>

#include "tests/file_faults.h"
#include "tools/compile/test_support.h"

namespace scenario {
namespace {

using testing::CompileRun;
using testing::ReadFile;

const std::string kExamples = std::string(SCENARIO_SOURCE_DIR) + "/examples/";

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
    options.out_dir = run.out_dir;
    (std::string(c.file) == "report.json" ? options.report_path : options.svg_path) = path;
    options.faults = &faults;
    std::ostringstream err;
    EXPECT_EQ(RunCompile(options, err).exit_status, 2);
    EXPECT_EQ(err.str(), "scenario-compile: 0 errors, 0 warnings\nscenario-compile: cannot write " +
                             path + ": " + c.message + "\n");
    if (std::string(c.where) == "kept") {
      EXPECT_EQ(ReadFile(path), older);
      EXPECT_EQ(testing::EntryNames(folder), std::set<std::string>{c.file});
    } else {
      EXPECT_FALSE(std::filesystem::exists(folder));
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
