// The codes the system stores and the fatal numbers it reports are fixed:
// 1 to 13, 15 to 22, 24, 25, 101 to 103, 1250 and 1251. Each must have its
// meaning, and no other number may seem to have one.
#include "app/error_codes.h"

#include <gtest/gtest.h>

#include <set>

namespace scenario {
namespace {

TEST(ErrorCodesTest, ExactlyTheFixedNumbersHaveAMeaning) {
  std::set<int32_t> fixed = {0, 101, 102, 103, 1250, 1251};
  for (int32_t code = 1; code <= 25; ++code) {
    if (code != 14 && code != 23) fixed.insert(code);
  }
  for (int32_t code = -5; code <= 1300; ++code) {
    EXPECT_EQ(ErrorCodeMeaning(code) != "unknown error code", fixed.contains(code)) << code;
  }
}

TEST(ErrorCodesTest, FamiliesOfCodes) {
  const std::set<int32_t> occupied = {6, 7, 16, 17, 18, 19, 20, 21};
  const std::set<int32_t> completion = {11, 12, 13};
  for (int32_t code = 0; code <= 1300; ++code) {
    EXPECT_EQ(IsOccupiedCellError(code), occupied.contains(code)) << code;
    EXPECT_EQ(IsCompletionError(code), completion.contains(code)) << code;
  }
}

}  // namespace
}  // namespace scenario
