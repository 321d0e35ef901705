// Status: ok carries no message; a failure's message survives copies and
// moves, and a copy is its own (the original may go first). StatusOr: a
// value or a failure, never both and never neither.
#include "app/status.h"

#include <gtest/gtest.h>

#include <string>
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

TEST(StatusOrTest, HoldsAValueOrAFailureNeverNeither) {
  StatusOr<std::string> value(std::string("line.txt"));
  ASSERT_TRUE(value.ok());
  EXPECT_TRUE(value.status().ok());
  EXPECT_EQ(*value, "line.txt");
  EXPECT_EQ(value->size(), 8u);

  const StatusOr<int> failure(Status::Error("cannot read line.txt: it is a FIFO"));
  EXPECT_FALSE(failure.ok());
  EXPECT_EQ(failure.status().message(), "cannot read line.txt: it is a FIFO");

  // An ok Status carries no value: the result is a failure, not an empty value.
  const StatusOr<int> neither(Status::OK());
  EXPECT_FALSE(neither.ok());
  EXPECT_FALSE(neither.status().ok());
}

TEST(StatusOrTest, AlikeWhenTheValuesOrTheMessagesAre) {
  using Result = StatusOr<std::string>;
  const struct {
    Result a, b;
    bool alike;
  } cases[] = {
      {Result(std::string("a")), Result(std::string("a")), true},
      {Result(std::string("a")), Result(std::string("b")), false},
      {Result(std::string("")), Result(Status::Error("")), false},
      {Result(Status::Error("x")), Result(Status::Error("x")), true},
      {Result(Status::Error("x")), Result(Status::Error("y")), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.a == c.b, c.alike) << c.a.status().message() << " / " << c.b.status().message();
    EXPECT_EQ(c.b == c.a, c.alike);
  }
}

}  // namespace
}  // namespace scenario
