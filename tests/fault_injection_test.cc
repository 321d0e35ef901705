// Faults while the packager writes its files: whichever step of a fresh file
// fails (create, write, flush, rename), the older file of that name survives
// byte for byte, no temporary file is left, the failure is reported on
// standard error naming the file, and the run ends with exit status 2. The
// two description texts never stay in the folder, however the run ends.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>
#include <set>
#include <stdexcept>
#include <sstream>
#include <string>

#include "app/file_names.h"
#include "app/packager_run.h"
#include "tests/file_faults.h"
#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::FailOneFile;
using testing::ReadFile;
using testing::TestFolder;
using testing::WriteFile;

// The console platform, recording what the run asked of it.
class RecordingPlatform : public Platform {
 public:
  void ShowWaitWindow() override { ++wait_windows; }
  void ShowFatal(const std::string& message) override { fatal += message; }
  void Close() override { ++closes; }
  int wait_windows = 0;
  int closes = 0;
  std::string fatal;
};


class CaptureStderr {
 public:
  CaptureStderr() : old_(std::cerr.rdbuf(captured_.rdbuf())) {}
  ~CaptureStderr() { std::cerr.rdbuf(old_); }
  std::string text() const { return captured_.str(); }

 private:
  std::ostringstream captured_;
  std::streambuf* old_;
};


bool HasTemporary(const std::set<std::string>& names) {
  for (const std::string& name : names) {
    if (name.find(".tmp") != std::string::npos) return true;
  }
  return false;
}

struct PackagerRun {
  int status = 0;
  std::string err;
  RecordingPlatform platform;
};

PackagerRun RunPackager(const TestFolder& folder, FileFaults* faults) {
  PackagerRun run;
  GeneratorState state;
  FreshFileWriter writer(faults);
  CaptureStderr capture;
  run.status = Form_Load(state, folder.path(), run.platform, writer);
  run.err = capture.text();
  return run;
}

const FileNames kNames = MakeFileNames(kRouteName, kTrainNumber);

// The files in the order the run writes them.
const std::vector<std::string> kWrittenInOrder = {
    kNames.line_text,      kNames.train_text,    kNames.notes,         kNames.slowdowns,
    kNames.timetable,      kNames.route_file,    kNames.scenario_file, kNames.grid_file};

struct StepCase {
  FileStep step;
  const char* word;
};
constexpr StepCase kSteps[] = {{FileStep::kCreate, "create"},
                               {FileStep::kWrite, "write"},
                               {FileStep::kFlush, "flush"},
                               {FileStep::kRename, "rename"}};

TEST(FaultInjectionTest, AFailedStepKeepsTheOlderFileAndEndsWithStatus2) {
  // A document and each of the three binary files; each at each step of
  // its writing. (The description texts never stay: see below.)
  const std::string targets[] = {kNames.notes, kNames.timetable, kNames.route_file,
                                 kNames.scenario_file, kNames.grid_file};
  for (const std::string& target : targets) {
    for (const StepCase& step : kSteps) {
      SCOPED_TRACE(target + " at " + step.word);
      TestFolder folder;
      const std::string older = "older " + target + " \r\n\x01\x02 kept as it was";
      WriteFile(folder / target, older);
      FailOneFile faults(step.step, target);

      PackagerRun run = RunPackager(folder, &faults);

      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(ReadFile(folder / target), older);
      const std::set<std::string> names = testing::EntryNames(folder.path());
      EXPECT_FALSE(HasTemporary(names));
      EXPECT_NE(run.err.find(target), std::string::npos) << run.err;
      EXPECT_NE(run.err.find(step.word), std::string::npos) << run.err;
      EXPECT_EQ(run.platform.fatal, "");
      // The run stops at the failed file: nothing after it is written.
      bool after = false;
      for (const std::string& name : kWrittenInOrder) {
        if (after) {
          EXPECT_EQ(names.count(name), 0u) << name << " was written after the failure";
        }
        if (name == target) after = true;
      }
    }
  }
}

// Fails one step of one file by throwing: a failure nobody handles.
class ThrowAt : public FailOneFile {
 public:
  using FailOneFile::FailOneFile;
  bool ShouldFail(FileStep step, const std::filesystem::path& target) override {
    if (FailOneFile::ShouldFail(step, target)) throw std::runtime_error("unhandled");
    return false;
  }
};

TEST(FaultInjectionTest, NoDescriptionTextStaysWhateverEndsTheRun) {
  const struct {
    FileStep step;
    std::string target;
    bool thrown;
  } cases[] = {{FileStep::kCreate, kNames.line_text, false},
               {FileStep::kWrite, kNames.train_text, false},
               {FileStep::kRename, kNames.notes, false},
               {FileStep::kFlush, kNames.timetable, false},
               {FileStep::kWrite, kNames.grid_file, false},
               {FileStep::kCreate, kNames.slowdowns, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target + (c.thrown ? " throwing" : ""));
    TestFolder folder;
    // An older text, left by a run that was killed, goes too.
    WriteFile(folder / kNames.line_text, "older line text");
    FailOneFile fails(c.step, c.target);
    ThrowAt throws(c.step, c.target);
    if (c.thrown) {
      EXPECT_THROW(RunPackager(folder, &throws), std::runtime_error);
    } else {
      EXPECT_EQ(RunPackager(folder, &fails).status, 2);
    }
    const std::set<std::string> names = testing::EntryNames(folder.path());
    EXPECT_EQ(names.count(kNames.line_text), 0u);
    EXPECT_EQ(names.count(kNames.train_text), 0u);
    EXPECT_FALSE(HasTemporary(names));
  }
}

TEST(FaultInjectionTest, TheDocumentsStayButTheBinaryFilesAreOneSet) {
  // The grid file's rename fails after the route and scenario files were
  // renamed in: they go again, since the three are loaded as one scenario.
  for (bool older : {false, true}) {
    SCOPED_TRACE(older ? "an older set" : "no older set");
    TestFolder folder;
    const std::string binaries[] = {kNames.route_file, kNames.scenario_file, kNames.grid_file};
    for (const std::string& name : binaries) {
      if (older) WriteFile(folder / name, "older " + name);
    }
    FailOneFile faults(FileStep::kRename, kNames.grid_file);
    PackagerRun run = RunPackager(folder, &faults);
    ASSERT_EQ(run.status, 2);
    const std::set<std::string> names = testing::EntryNames(folder.path());
    for (const std::string& name : {kNames.notes, kNames.slowdowns, kNames.timetable}) {
      EXPECT_EQ(names.count(name), 1u) << name;
    }
    EXPECT_EQ(names.count(kNames.line_text), 0u);
    EXPECT_EQ(names.count(kNames.train_text), 0u);
    for (const std::string& name : binaries) {
      if (older) {
        EXPECT_EQ(ReadFile(folder / name), "older " + name);
      } else {
        EXPECT_EQ(names.count(name), 0u) << name;
      }
    }
    EXPECT_EQ(names.size(), older ? 6u : 3u);
  }
}

TEST(FaultInjectionTest, ADirectoryNamedLikeADescriptionTextStays) {
  for (const std::string& text : {kNames.line_text, kNames.train_text}) {
    SCOPED_TRACE(text);
    TestFolder folder;
    std::filesystem::create_directory(folder / text);
    PackagerRun run = RunPackager(folder, nullptr);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::is_directory(folder / text));
    const std::set<std::string> names = testing::EntryNames(folder.path());
    EXPECT_EQ(names.count(kNames.line_text) + names.count(kNames.train_text), 1u);
  }
}

TEST(FaultInjectionTest, ATargetNameThatIsAFolderEndsTheRun) {
  for (const std::string& target : {kNames.notes, kNames.scenario_file}) {
    SCOPED_TRACE(target);
    TestFolder folder;
    std::filesystem::create_directory(folder / target);
    WriteFile(folder / target / "inside", "kept");

    PackagerRun run = RunPackager(folder, nullptr);

    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(std::filesystem::is_directory(folder / target));
    EXPECT_EQ(ReadFile(folder / target / "inside"), "kept");
    EXPECT_FALSE(HasTemporary(testing::EntryNames(folder.path())));
    EXPECT_NE(run.err.find(target), std::string::npos) << run.err;
  }
}

TEST(FaultInjectionTest, AFolderThatCannotBeWrittenEndsTheRunAtTheFirstFile) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
  TestFolder folder;
  ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
  PackagerRun run = RunPackager(folder, nullptr);
  chmod(folder.path().c_str(), 0755);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(testing::EntryNames(folder.path()).empty());
  EXPECT_NE(run.err.find(kNames.line_text), std::string::npos) << run.err;
}

}  // namespace
}  // namespace scenario
