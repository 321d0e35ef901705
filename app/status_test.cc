// Status: ok carries no message; a failure's message survives copies and
// moves, and a copy is its own (the original may go first).
#include "app/status.h"

#include <gtest/gtest.h>

#include <utility>

namespace scenario {
namespace {

TEST(StatusTest, OkHasNoMessage) {
  Status status;
  EXPECT_TRUE(status.ok());
  EXPECT_EQ(status.message(), "");
  EXPECT_TRUE(Status::OK().ok());
}

TEST(StatusTest, FailureKeepsItsMessageThroughCopiesAndMoves) {
  Status copy;
  {
    Status failure = Status::Error("cannot write x.dat: rename: Permission denied");
    copy = failure;
    Status moved = std::move(failure);
    EXPECT_FALSE(moved.ok());
    EXPECT_EQ(moved.message(), "cannot write x.dat: rename: Permission denied");
  }
  EXPECT_FALSE(copy.ok());
  EXPECT_EQ(copy.message(), "cannot write x.dat: rename: Permission denied");
  copy = Status::OK();
  EXPECT_TRUE(copy.ok());
}

}  // namespace
}  // namespace scenario
