// One run at a time per folder. A run that finds the folder locked by
// another waits, writes nothing meanwhile, and then does its own full run;
// two packagers started together both end well and leave one consistent
// scenario.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <set>
#include <sstream>

#include "tests/child_process.h"
#include "tests/test_folder.h"
#include "tools/diagnostics/command.h"
#include "tools/diagnostics/inputs.h"
#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::ChildProcess;
using testing::ReadFile;
using testing::TestFolder;


// The lock another run holds on a folder.
class HeldLock {
 public:
  explicit HeldLock(const std::filesystem::path& folder)
      : fd_(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    flock(fd_, LOCK_EX);
  }
  ~HeldLock() { Release(); }
  void Release() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

const std::set<std::string> kPackagerFiles = {
    "scenario-packager",         "Corvena_Lidra1_7304_note.txt", "Corvena_Lidra1_7304_rallentamenti.txt",
    "Corvena_Lidra1_7304_scheda_treno.txt", "Corvena_Lidra1_linea.dat", "Corvena_Lidra1_7304.sim",
    "Corvena_Lidra1_7304.dat"};

std::string PackagerIn(const TestFolder& folder) {
  std::filesystem::copy_file(SCENARIO_PACKAGER_PATH, folder / "scenario-packager");
  return (folder / "scenario-packager").string();
}

TEST(FolderLockTest, APackagerWaitsForTheRunThatHoldsItsFolder) {
  TestFolder folder;
  const std::string packager = PackagerIn(folder);
  HeldLock other(folder.path());
  ChildProcess run({packager}, {"DISPLAY"});
  ASSERT_TRUE(run.WaitForError("waiting for it to end\n", std::chrono::seconds(20))) << run.err();
  EXPECT_EQ(testing::EntryNames(folder.path()), std::set<std::string>{"scenario-packager"});
  other.Release();
  EXPECT_EQ(run.Wait(std::chrono::seconds(60)), 0) << run.err();
  EXPECT_EQ(testing::EntryNames(folder.path()), kPackagerFiles);
}

TEST(FolderLockTest, ScenarioCompileWaitsForTheRunThatHoldsOutdir) {
  TestFolder folder;
  testing::WriteFile(folder / "line.txt", testing::LineText({}));
  testing::WriteFile(folder / "train.txt", testing::TrainText({testing::kOrigin, testing::kTerminus}));
  std::filesystem::create_directory(folder / "out");
  HeldLock other(folder / "out");
  ChildProcess run({SCENARIO_COMPILE_PATH, (folder / "line.txt").string(),
                    (folder / "train.txt").string(), (folder / "out").string()});
  ASSERT_TRUE(run.WaitForError("waiting for it to end\n", std::chrono::seconds(20))) << run.err();
  EXPECT_TRUE(testing::EntryNames(folder / "out").empty());
  other.Release();
  EXPECT_EQ(run.Wait(std::chrono::seconds(60)), 0) << run.err();
  EXPECT_EQ(testing::EntryNames(folder / "out"), (std::set<std::string>{"Corvena_Lidra1_linea.dat",
                                                            "Corvena_Lidra1_7304.sim",
                                                            "Corvena_Lidra1_7304.dat"}));
}

// In a child process that has given up the superuser's rights for those of
// "nobody": whether a compile into a folder that may be written but not
// read (mode 0333) was refused with a message naming the folder. 77 when
// the rights cannot be given up.
int CompileIntoUnreadableFolder(const std::filesystem::path& out) {
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(77);
    CompileOptions options;
    options.line_path = "line.txt";
    options.train_path = "train.txt";
    options.out_dir = out.string();
    const DescriptionTexts texts{testing::LineText({}),
                                 testing::TrainText({testing::kOrigin, testing::kTerminus})};
    std::ostringstream err;
    const CompileSummary summary = CompileTexts(options, texts, err);
    const bool refused = summary.exit_status == 2 &&
                         err.str().find("cannot lock " + out.string() + ": Permission denied") !=
                             std::string::npos;
    _exit(refused ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(FolderLockTest, AFolderThatCannotBeReadIsNotLockedAndTheRunIsRefused) {
  TestFolder folder;
  std::filesystem::create_directory(folder / "out");
  chmod(folder.path().c_str(), 0711);
  chmod((folder / "out").c_str(), 0333);
  const int refused = CompileIntoUnreadableFolder(folder / "out");
  if (refused == 77) GTEST_SKIP() << "cannot give up the rights of this user";
  EXPECT_EQ(refused, 0);
  chmod((folder / "out").c_str(), 0755);
  EXPECT_TRUE(testing::EntryNames(folder / "out").empty());
}

// What the stop signal of --watch and --serve does to a compile that waits
// for another run: the wait is given up, nothing is compiled, written or
// said beyond the waiting line, and the folder is left to the run that
// holds it.
TEST(FolderLockTest, ACompileThatIsToldToStopGivesUpItsWait) {
  TestFolder folder;
  std::filesystem::create_directory(folder / "out");
  HeldLock other(folder / "out");
  CompileOptions options;
  options.line_path = "line.txt";
  options.train_path = "train.txt";
  options.out_dir = (folder / "out").string();
  int looks = 0;
  options.stop_requested = [&] { return ++looks == 3; };
  const DescriptionTexts texts{testing::LineText({"pendenza, 500, 3"}),
                               testing::TrainText({testing::kOrigin, testing::kTerminus})};
  std::ostringstream err;
  const CompileSummary summary = CompileTexts(options, texts, err);
  EXPECT_TRUE(summary.stopped);
  EXPECT_EQ(looks, 3);
  EXPECT_EQ(err.str(), "scenario-compile: another run is writing into " + options.out_dir +
                           ", waiting for it to end\n");
  EXPECT_TRUE(testing::EntryNames(folder / "out").empty());

  // Once the other run has ended, the same compile takes the lock and works.
  other.Release();
  options.stop_requested = [] { return false; };
  std::ostringstream again;
  const CompileSummary compiled = CompileTexts(options, texts, again);
  EXPECT_FALSE(compiled.stopped);
  EXPECT_EQ(compiled.exit_status, 0) << again.str();
  EXPECT_EQ(testing::EntryNames(folder / "out").size(), 3u);
}

TEST(FolderLockTest, TwoPackagersStartedTogetherBothEndWithOneScenario) {
  TestFolder alone;
  ChildProcess reference({PackagerIn(alone)}, {"DISPLAY"});
  ASSERT_EQ(reference.Wait(std::chrono::seconds(60)), 0);
  TestFolder folder;
  const std::string packager = PackagerIn(folder);
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    auto first = std::make_unique<ChildProcess>(std::vector<std::string>{packager}, std::vector<std::string>{"DISPLAY"});
    auto second = std::make_unique<ChildProcess>(std::vector<std::string>{packager}, std::vector<std::string>{"DISPLAY"});
    EXPECT_EQ(first->Wait(std::chrono::seconds(60)), 0) << first->err();
    EXPECT_EQ(second->Wait(std::chrono::seconds(60)), 0) << second->err();
    EXPECT_EQ(testing::EntryNames(folder.path()), kPackagerFiles);
    for (const std::string& name : kPackagerFiles) {
      EXPECT_TRUE(ReadFile(folder / name) == ReadFile(alone / name)) << name;
    }
  }
}

}  // namespace
}  // namespace scenario
