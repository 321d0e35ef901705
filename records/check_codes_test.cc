#include "records/check_codes.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

struct CheckCase {
  const char* train;
  const char* route;
  const char* check_string;
  int32_t plain;
  int32_t weighted;
};

TEST(CheckCodesTest, WorkedExamples) {
  const CheckCase cases[] = {
      {"7304", "Corvena_Lidra1", "7304corvena_lidra1aabbccd", 2312, 31507},
      {"7304", "CORVENA_LIDRA1", "7304corvena_lidra1aabbccd", 2312, 31507},
      {"7304", "", "7304aabbccddeeffgghhiillm", 2349, 33093},
      {"", "", "aabbccddeeffgghhiillmmnno", 2583, 34355},
  };
  for (const CheckCase& c : cases) {
    EXPECT_EQ(CheckString(c.train, c.route), c.check_string);
    EXPECT_EQ(PlainCheckCode(c.train, c.route), c.plain) << c.route;
    EXPECT_EQ(WeightedCheckCode(c.train, c.route), c.weighted) << c.route;
  }
}

TEST(CheckCodesTest, TrainNumberComesFirst) {
  EXPECT_EQ(CheckString("Corvena_Lidra1", "7304"), "corvena_lidra17304aabbccd");
  EXPECT_NE(WeightedCheckCode("7304", "Corvena_Lidra1"), WeightedCheckCode("Corvena_Lidra1", "7304"));
  // The plain code is a sum: swapping changes it only where the cut at 25
  // characters keeps other characters.
  EXPECT_EQ(PlainCheckCode("Corvena_Lidra1", "7304"), 2312);
  EXPECT_NE(PlainCheckCode("12345678901234567890", "abcdef"),
            PlainCheckCode("abcdef", "12345678901234567890"));
}

TEST(CheckCodesTest, OnlyTheFirst25CharactersCount) {
  // 30 characters together: no filler, the last five ignored.
  const std::string train = "ABCDEFGHIJKLMNO";
  const std::string route = "pqrstuvwxyzZZZZ";
  EXPECT_EQ(CheckString(train, route), "abcdefghijklmnopqrstuvwxy");
  int32_t plain = 0;
  int32_t weighted = 0;
  std::string s = "abcdefghijklmnopqrstuvwxy";
  for (size_t i = 0; i < s.size(); ++i) {
    plain += static_cast<uint8_t>(s[i]);
    weighted += static_cast<int32_t>(i + 1) * static_cast<uint8_t>(s[i]);
  }
  EXPECT_EQ(PlainCheckCode(train, route), plain);
  EXPECT_EQ(WeightedCheckCode(train, route), weighted);
  EXPECT_EQ(PlainCheckCode(train, route + "QQQQQ"), plain);
}

}  // namespace
}  // namespace scenario
