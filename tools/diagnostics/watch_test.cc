// The --watch loop: one compile at the start, one more for every change of
// what the descriptions hold, none while it stays the same, and an end when
// asked.
#include <gtest/gtest.h>

#include "tools/diagnostics/watch.h"

namespace scenario {
namespace {

// A world whose descriptions read differently at given looks.
struct FakeWorld {
  std::vector<DescriptionsRead> reads;  // what each look reads, then the last one forever
  size_t looks = 0;
  std::vector<DescriptionsRead> compiled;
  int waits = 0;
  int stop_after_waits = -1;
  bool quiet_waits = false;  // waits that say nothing may have changed

  static DescriptionsRead Line(const std::string& line) { return DescriptionTexts{line, ""}; }
  static DescriptionsRead Failure(const std::string& why) { return Status::Error(why); }

  WatchHooks Hooks() {
    WatchHooks hooks;
    hooks.read = [this] { return reads[std::min(looks++, reads.size() - 1)]; };
    hooks.compile = [this](const DescriptionsRead& read) { compiled.push_back(read); };
    hooks.wait = [this] {
      ++waits;
      return !quiet_waits;
    };
    hooks.stop_requested = [this] { return stop_after_waits >= 0 && waits >= stop_after_waits; };
    return hooks;
  }
};

TEST(WatchLoopTest, CompilesOnceAtStartAndOnceForEveryChange) {
  FakeWorld world;
  world.reads = {FakeWorld::Line("a"), FakeWorld::Line("a"), FakeWorld::Line("a"),
                 FakeWorld::Line("b"), FakeWorld::Line("b"), FakeWorld::Line("c")};
  EXPECT_EQ(RunWatchLoop(world.Hooks(), 7), 3);
  ASSERT_EQ(world.compiled.size(), 3u);
  // What is compiled is what was read.
  EXPECT_EQ(world.compiled[1]->line, "b");
  EXPECT_EQ(world.compiled[2]->line, "c");
  EXPECT_EQ(world.waits, 7);
}

TEST(WatchLoopTest, SameContentNeverCompilesAgain) {
  FakeWorld world;
  world.reads = {FakeWorld::Line("a")};
  EXPECT_EQ(RunWatchLoop(world.Hooks(), 50), 1);
}

TEST(WatchLoopTest, AChangeBackIsStillAChange) {
  FakeWorld world;
  world.reads = {FakeWorld::Line("a"), FakeWorld::Line("b"), FakeWorld::Line("a")};
  EXPECT_EQ(RunWatchLoop(world.Hooks(), 5), 3);
}

TEST(WatchLoopTest, ADescriptionThatCannotBeReadIsReportedOnceAndWatchedOn) {
  FakeWorld world;
  world.reads = {FakeWorld::Line("a"), FakeWorld::Failure("cannot read line.txt: it is a FIFO"),
                 FakeWorld::Failure("cannot read line.txt: it is a FIFO"), FakeWorld::Line("a")};
  EXPECT_EQ(RunWatchLoop(world.Hooks(), 6), 3);
  ASSERT_EQ(world.compiled.size(), 3u);
  EXPECT_EQ(world.compiled[1].status().message(), "cannot read line.txt: it is a FIFO");
  EXPECT_EQ(world.compiled[2]->line, "a");
}

TEST(WatchLoopTest, NothingIsReadWhenTheWaitSaysNothingChanged) {
  FakeWorld world;
  world.reads = {FakeWorld::Line("a"), FakeWorld::Line("b")};
  world.quiet_waits = true;
  EXPECT_EQ(RunWatchLoop(world.Hooks(), 5), 1);
  EXPECT_EQ(world.looks, 1u);
}

TEST(WatchLoopTest, StopsWhenAsked) {
  FakeWorld world;
  world.reads = {FakeWorld::Line("a"), FakeWorld::Line("b"), FakeWorld::Line("c"),
                 FakeWorld::Line("d")};
  world.stop_after_waits = 2;
  // Without a limit only the stop request ends it.
  EXPECT_EQ(RunWatchLoop(world.Hooks()), 3);
  EXPECT_EQ(world.waits, 2);
}

}  // namespace
}  // namespace scenario
