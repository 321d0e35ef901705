// No output is ever written over an input or over another output of the
// same run, however the paths name them; an output that is not a regular
// file is refused; and what cannot be read or made says why. Each refusal
// comes before anything is written: exit status 2, the inputs byte for byte
// as they were, OUTDIR not even made.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "records/temporary_file.h"
#include "tests/compile_run.h"
#include "tests/file_faults.h"
#include "tools/inspect/command.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

const std::string kExamples = std::string(SCENARIO_SOURCE_DIR) + "/examples/";

struct Layout {
  testing::TestFolder folder;
  std::string line = (folder / "line.txt").string();
  std::string train = (folder / "train.txt").string();
  std::string out = (folder / "out").string();
  Layout() {
    WriteFile(line, ReadFile(kExamples + "line.txt"));
    WriteFile(train, ReadFile(kExamples + "train.txt"));
  }
};

TEST(OutputsRefusedTest, CompileNeverWritesOverAnInputOrAnotherOutput) {
  const struct {
    const char* what;
    const char* report;  // relative to the test's folder; "" for none
    const char* svg;
    const char* message;  // part of the one line said
  } cases[] = {
      {"the picture over the line description", "", "line.txt", "--svg"},
      {"the report over the train description", "train.txt", "", "is the train description"},
      {"the same file by another path", "", "out/../line.txt", "is the line description"},
      {"a link to the description", "", "link-to-line", "is the line description"},
      {"a report named like a binary file", "out/Corvena_Lidra1_7304.sim", "", "is the binary file"},
      {"the report and the picture one file", "both", "./both", "is the file of --report"},
      {"a picture that is a FIFO", "", "fifo", "is a FIFO"},
      {"a report that is a directory", "out", "", "is a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Layout at;
    fs::create_symlink("line.txt", at.folder / "link-to-line");
    mkfifo((at.folder / "fifo").c_str(), 0644);
    if (std::string(c.report) == "out") fs::create_directory(at.out);
    CompileOptions options;
    options.line_path = at.line;
    options.train_path = at.train;
    options.out_dir = at.out;
    if (*c.report) options.report_path = (at.folder / c.report).string();
    if (*c.svg) options.svg_path = (at.folder / c.svg).string();
    std::ostringstream err;
    EXPECT_EQ(RunCompile(options, err).exit_status, 2);
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    EXPECT_EQ(ReadFile(at.line), ReadFile(kExamples + "line.txt"));
    EXPECT_EQ(ReadFile(at.train), ReadFile(kExamples + "train.txt"));
    if (std::string(c.report) != "out") {
      EXPECT_FALSE(fs::exists(at.out));
    }
  }
}

TEST(OutputsRefusedTest, ABinaryFileOverADescriptionAndAPictureWithoutRouteFileAreRefused) {
  Layout at;
  fs::create_directory(at.out);
  const std::string named_like_grid = at.out + "/Corvena_Lidra1_7304.dat";
  WriteFile(named_like_grid, ReadFile(at.train));
  CompileOptions options;
  options.line_path = at.line;
  options.train_path = named_like_grid;
  options.out_dir = at.out;
  std::ostringstream err;
  EXPECT_EQ(RunCompile(options, err).exit_status, 2);
  EXPECT_EQ(ReadFile(named_like_grid), ReadFile(at.train));

  options.train_path = at.train;
  options.no_route_file = true;
  options.svg_path = (at.folder / "picture.svg").string();
  EXPECT_EQ(RunCompile(options, err).exit_status, 2);
  EXPECT_FALSE(fs::exists(options.svg_path));
}

// Another scenario in OUTDIR, or an older route file beside a run without
// one, never enters the picture: it draws the set the run names.
TEST(OutputsRefusedTest, ThePictureDrawsTheSetTheRunNames) {
  Layout at;
  CompileOptions options;
  options.line_path = at.line;
  options.train_path = at.train;
  options.out_dir = at.out;
  options.train = "9999";
  std::ostringstream err;
  ASSERT_EQ(RunCompile(options, err).exit_status, 0) << err.str();
  options.train = "7304";
  options.svg_path = (at.folder / "picture.svg").string();
  EXPECT_EQ(RunCompile(options, err).exit_status, 0) << err.str();
  const std::string svg = ReadFile(options.svg_path);
  EXPECT_NE(svg.find("7304"), std::string::npos);
  EXPECT_EQ(svg.find("id=\"failure\""), std::string::npos) << "no band over a picture of a good compile";
}

TEST(OutputsRefusedTest, InspectNeverDrawsOverItsInputsNorIntoAFifo) {
  Layout at;
  CompileOptions options;
  options.line_path = at.line;
  options.train_path = at.train;
  options.out_dir = at.out;
  std::ostringstream err;
  ASSERT_EQ(RunCompile(options, err).exit_status, 0);
  const std::string scenario_file = at.out + "/Corvena_Lidra1_7304.sim";
  const std::string before = ReadFile(scenario_file);
  mkfifo((at.folder / "fifo").c_str(), 0644);
  for (const std::string& target : {scenario_file, at.out + "/../out/Corvena_Lidra1_linea.dat",
                                    (at.folder / "fifo").string()}) {
    SCOPED_TRACE(target);
    InspectOptions inspect;
    inspect.paths = {at.out};
    inspect.svg_output = target;
    std::ostringstream out, inspect_err;
    EXPECT_EQ(RunInspect(inspect, out, inspect_err), kExitFailure);
    EXPECT_NE(inspect_err.str().find("--svg"), std::string::npos) << inspect_err.str();
  }
  EXPECT_EQ(ReadFile(scenario_file), before);
  EXPECT_EQ(fs::status(at.folder / "fifo").type(), fs::file_type::fifo);
}

// The picture goes through the fresh-file writer as every output does: one
// whose writing fails leaves the older picture whole, and says why.
TEST(OutputsRefusedTest, InspectKeepsTheOlderPictureWhenTheNewCannotBeWritten) {
  Layout at;
  CompileOptions options;
  options.line_path = at.line;
  options.train_path = at.train;
  options.out_dir = at.out;
  std::ostringstream err;
  ASSERT_EQ(RunCompile(options, err).exit_status, 0) << err.str();
  const fs::path picture = at.folder / "picture.svg";
  WriteFile(picture, "older picture");
  for (FileStep step : {FileStep::kWrite, FileStep::kRename}) {
    testing::FailOneFile faults(step, "picture.svg");
    InspectOptions inspect;
    inspect.paths = {at.out};
    inspect.svg_output = picture.string();
    inspect.faults = &faults;
    std::ostringstream out, inspect_err;
    EXPECT_EQ(RunInspect(inspect, out, inspect_err), kExitFailure);
    EXPECT_EQ(inspect_err.str().rfind("scenario-inspect: error: cannot write " + picture.string() + ": ", 0), 0u)
        << inspect_err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(ReadFile(picture), "older picture");
    EXPECT_EQ(testing::EntryNames(at.folder.path()), (std::set<std::string>{"line.txt", "train.txt", "out", "picture.svg"}));
  }
}

// A compiled file that cannot be read (here /proc/self/mem, whose first
// page refuses every read) is named with the reason, in the dump, the JSON
// and the picture, never ended on by an exception.
TEST(OutputsRefusedTest, InspectSaysWhyACompiledFileCannotBeRead) {
  Layout at;
  CompileOptions options;
  options.line_path = at.line;
  options.train_path = at.train;
  options.out_dir = at.out;
  std::ostringstream err;
  ASSERT_EQ(RunCompile(options, err).exit_status, 0);
  const std::string grid = at.out + "/Corvena_Lidra1_7304.dat";
  fs::remove(grid);
  fs::create_symlink("/proc/self/mem", grid);
  for (int mode = 0; mode < 3; ++mode) {
    SCOPED_TRACE(mode);
    InspectOptions inspect;
    inspect.paths = {mode == 2 ? at.out : grid};
    inspect.json = mode == 1;
    if (mode == 2) inspect.svg_output = (at.folder / "picture.svg").string();
    std::ostringstream out, inspect_err;
    EXPECT_EQ(RunInspect(inspect, out, inspect_err), kExitFailure);
    EXPECT_NE(inspect_err.str().find("Corvena_Lidra1_7304.dat"), std::string::npos) << inspect_err.str();
    EXPECT_NE(inspect_err.str().find("cannot be read: Input/output error"), std::string::npos)
        << inspect_err.str();
  }
}

// The longest names the folder takes still compile: the temporary names
// are made short when the target's leaves them no room. A temporary file a
// killed run left beside the report, outside OUTDIR, is removed.
TEST(OutputsRefusedTest, LongNamesCompileAndStaleTemporariesGoFromEveryFolderWritten) {
  Layout at;
  fs::create_directory(at.folder / "reports");
  const std::string stale = (at.folder / "reports" / (TemporaryPrefix("r.json") + "Stale1")).string();
  WriteFile(stale, "left by a killed run");
  CompileOptions options;
  options.line_path = at.line;
  options.train_path = at.train;
  options.out_dir = at.out;
  options.route = std::string(240, 'R');
  options.report_path = (at.folder / "reports" / "r.json").string();
  std::ostringstream err;
  EXPECT_EQ(RunCompile(options, err).exit_status, 0) << err.str();
  EXPECT_TRUE(fs::is_regular_file(at.out + "/" + options.route + "_7304.sim"));
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_EQ(testing::EntryNames(at.folder / "reports"), std::set<std::string>{"r.json"});
}

// An OUTDIR that cannot be made is named with the reason it could not.
TEST(OutputsRefusedTest, AnOutDirThatCannotBeMadeSaysWhy) {
  Layout at;
  WriteFile(at.folder / "a-file", "not a folder");
  CompileOptions options;
  options.line_path = at.line;
  options.train_path = at.train;
  options.out_dir = (at.folder / "a-file" / "out").string();
  std::ostringstream err;
  EXPECT_EQ(RunCompile(options, err).exit_status, 2);
  EXPECT_NE(err.str().find("cannot create the folder " + options.out_dir + ": Not a directory"),
            std::string::npos)
      << err.str();
}

}  // namespace
}  // namespace scenario
