// scenario-compile --watch run as an author would, while the descriptions
// are edited, replaced and broken under it. Any change of content compiles
// again, even one that keeps the size and the times; a save that changes
// nothing compiles nothing; a description that becomes a FIFO is reported,
// never opened for a read that blocks; Ctrl-C ends it whatever it is doing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/child_process.h"
#include "tests/compile_run.h"

namespace scenario {
namespace {

using std::chrono::seconds;
using testing::ChildProcess;

constexpr char kCompiledAgain[] = "scenario-compile: a description changed, compiling again\n";
constexpr char kWatching[] = "(Ctrl-C ends)\n";

struct Watch {
  testing::TestFolder folder;
  std::string line = (folder / "line.txt").string();
  std::string train = (folder / "train.txt").string();
  std::string out = (folder / "out").string();
  std::unique_ptr<ChildProcess> run;

  void Start() {
    testing::WriteFile(line, testing::LineText({"pendenza, 500, 3"}));
    testing::WriteFile(train, testing::TrainText({testing::kOrigin, testing::kTerminus}));
    run = std::make_unique<ChildProcess>(
        std::vector<std::string>{SCENARIO_COMPILE_PATH, "--watch", line, train, out});
  }
  // Replaces a file by another of that content in one step.
  void Replace(const std::string& path, const std::string& content) {
    testing::WriteFile(path + ".new", content);
    std::filesystem::rename(path + ".new", path);
  }
};

TEST(WatchRunTest, AChangeKeepingSizeAndTimesIsCompiled) {
  Watch watch;
  watch.Start();
  ASSERT_TRUE(watch.run->WaitForError(kWatching, seconds(20))) << watch.run->err();
  struct stat before;
  ASSERT_EQ(stat(watch.line.c_str(), &before), 0);
  // One digit changed, and the times put back.
  watch.Replace(watch.line, testing::LineText({"pendenza, 600, 3"}));
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, watch.line.c_str(), times, 0), 0);
  EXPECT_TRUE(watch.run->WaitForError(kCompiledAgain, seconds(20))) << watch.run->err();
}

TEST(WatchRunTest, ASaveThatChangesNothingCompilesNothing) {
  Watch watch;
  watch.Start();
  ASSERT_TRUE(watch.run->WaitForError(kWatching, seconds(20))) << watch.run->err();
  // Saved again as it was, then touched: new times, the same content.
  watch.Replace(watch.line, testing::ReadFile(watch.line));
  ASSERT_EQ(utimensat(AT_FDCWD, watch.train.c_str(), nullptr, 0), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  // A real change after them is the one compile.
  watch.Replace(watch.train, testing::TrainText({testing::kOrigin}));
  ASSERT_TRUE(watch.run->WaitForError("few-stops", seconds(20))) << watch.run->err();
  EXPECT_EQ(testing::Count(watch.run->err(), kCompiledAgain), 1u) << watch.run->err();
}

TEST(WatchRunTest, ADescriptionReplacedByAFifoIsReportedAndCtrlCEndsTheWatch) {
  Watch watch;
  watch.Start();
  ASSERT_TRUE(watch.run->WaitForError(kWatching, seconds(20))) << watch.run->err();
  ASSERT_EQ(mkfifo((watch.train + ".fifo").c_str(), 0644), 0);
  std::filesystem::rename(watch.train + ".fifo", watch.train);
  EXPECT_TRUE(watch.run->WaitForError("scenario-compile: cannot read " + watch.train + ": it is a FIFO\n" +
                                          "scenario-compile: watching",
                                      seconds(20)))
      << watch.run->err();
  // Still watching: put right, it compiles again.
  std::filesystem::remove(watch.train);
  testing::WriteFile(watch.train, testing::TrainText({testing::kOrigin, testing::kTerminus}));
  const size_t from = watch.run->err().size();
  EXPECT_TRUE(watch.run->WaitForError("0 errors, 0 warnings\nscenario-compile: watching", seconds(20), from))
      << watch.run->err();
  watch.run->Signal(SIGINT);
  EXPECT_EQ(watch.run->Wait(seconds(10)), 0);
  EXPECT_FALSE(watch.run->timed_out());
}

TEST(WatchRunTest, CtrlCEndsTheWatchWhileItWaitsForAnotherRun) {
  Watch watch;
  std::filesystem::create_directory(watch.out);
  const int other = open(watch.out.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_EQ(flock(other, LOCK_EX), 0);
  watch.Start();
  EXPECT_TRUE(watch.run->WaitForError("waiting for it to end\n", seconds(20))) << watch.run->err();
  watch.run->Signal(SIGINT);
  watch.run->Wait(seconds(10));
  EXPECT_FALSE(watch.run->timed_out());
  close(other);
}

}  // namespace
}  // namespace scenario
