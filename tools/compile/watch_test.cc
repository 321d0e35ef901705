// The --watch loop: one compile at the start, one more for every change of
// the watched files, none while nothing changes, and an end when asked.
#include <gtest/gtest.h>

#include "tests/test_folder.h"
#include "tools/compile/watch.h"

namespace scenario {
namespace {

// A world whose files change at given polls.
struct FakeWorld {
  std::vector<std::string> stamps;  // the stamp seen at each look, then the last one forever
  size_t looks = 0;
  int compiles = 0;
  int pauses = 0;
  int stop_after_pauses = -1;

  WatchHooks Hooks() {
    WatchHooks hooks;
    hooks.compile = [this] { ++compiles; };
    hooks.stamp = [this] {
      const std::string& stamp = stamps[std::min(looks, stamps.size() - 1)];
      ++looks;
      return stamp;
    };
    hooks.pause = [this] { ++pauses; };
    hooks.stop_requested = [this] { return stop_after_pauses >= 0 && pauses >= stop_after_pauses; };
    return hooks;
  }
};

TEST(WatchLoopTest, CompilesOnceAtStartAndOnceForEveryChange) {
  FakeWorld world;
  world.stamps = {"a", "a", "a", "b", "b", "c", "c", "c"};
  EXPECT_EQ(RunWatchLoop(world.Hooks(), 7), 3);
  EXPECT_EQ(world.compiles, 3);
  EXPECT_EQ(world.pauses, 7);
}

TEST(WatchLoopTest, NothingChangesNothingCompiles) {
  FakeWorld world;
  world.stamps = {"a"};
  EXPECT_EQ(RunWatchLoop(world.Hooks(), 50), 1);
}

TEST(WatchLoopTest, AChangeBackIsStillAChange) {
  FakeWorld world;
  world.stamps = {"a", "b", "a"};
  EXPECT_EQ(RunWatchLoop(world.Hooks(), 5), 3);
}

TEST(WatchLoopTest, StopsWhenAsked) {
  FakeWorld world;
  world.stamps = {"a", "b", "c", "d", "e"};
  world.stop_after_pauses = 2;
  // Without a poll limit only the stop request ends it.
  EXPECT_EQ(RunWatchLoop(world.Hooks()), 3);
  EXPECT_EQ(world.pauses, 2);
}

TEST(FilesStampTest, ChangesWithTheFilesAndMarksMissingOnes) {
  testing::TestFolder folder;
  const auto line = folder / "line.txt";
  const auto train = folder / "train.txt";
  testing::WriteFile(line, "one");
  const std::string missing_train = FilesStamp({line, train});
  testing::WriteFile(train, "two");
  const std::string both = FilesStamp({line, train});
  EXPECT_NE(both, missing_train);
  EXPECT_EQ(FilesStamp({line, train}), both);
  testing::WriteFile(line, "one more");  // a new size, whatever the clock says
  EXPECT_NE(FilesStamp({line, train}), both);
}

}  // namespace
}  // namespace scenario
