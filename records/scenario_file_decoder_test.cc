// The scenario file read back: against bytes whose layout is fixed (the
// empty table, a row by hand), against what the encoder writes for any table,
// and refusing what is not 87 whole rows.
#include "records/scenario_file_decoder.h"

#include <gtest/gtest.h>

#include <random>

#include "records/file_test_support.h"

namespace scenario {
namespace {

using file_test::Hex;

TEST(ScenarioFileDecoderTest, EmptyTableWithNamesIs2976Bytes) {
  ScenarioTable written = file_test::NamedTable();
  written[kRouteRow].first_d2 = 610;
  written[kRouteRow].scheduled_time = 31507;
  std::string bytes = EncodeScenarioFile(written);
  ASSERT_EQ(bytes.size(), 2976u);

  ScenarioTable read;
  EXPECT_TRUE(DecodeScenarioFile(bytes, &read).ok());
  EXPECT_EQ(read[kRouteRow].name, "Corvena_Lidra1");
  EXPECT_EQ(read[kTrainRow].name, "7304");
  EXPECT_EQ(read[kRouteRow].first_d2, 610);
  EXPECT_EQ(read[kRouteRow].scheduled_time, 31507);
  EXPECT_EQ(read[0].name, "");
  EXPECT_EQ(read[84].span_end, 0);
}

TEST(ScenarioFileDecoderTest, ReadsEveryColumnAtItsOffset) {
  // One row by hand, then 86 empty rows: kind 8, span -500 .. 500, position
  // 0, tps 1, "AB", d-columns 1..5, rap 6, ac 7, mar 8, tab 9, time 50010.
  std::string row = Hex({8, 0x0C, 0xFE, 0xFF, 0xFF, 0xF4, 0x01, 0, 0, 0, 0, 0, 0, 1, 2, 0, 'A', 'B',
                         1, 0, 2, 0, 3, 0, 4, 0, 0xFB, 0xFF, 6, 7, 8, 9, 0x5A, 0xC3, 0, 0});
  ASSERT_EQ(row.size(), 36u);
  std::string bytes = row + std::string(86 * 34, '\0');
  ScenarioTable read;
  ASSERT_TRUE(DecodeScenarioFile(bytes, &read).ok());
  EXPECT_EQ(read[0], (ScenarioRow{8, -500, 500, 0, 1, "AB", 1, 2, 3, 4, -5, 6, 7, 8, 9, 50010}));
  EXPECT_EQ(read[1], ScenarioRow{});
}

TEST(ScenarioFileDecoderTest, RefusesFilesThatDoNotEndAfterRow86) {
  std::string good = EncodeScenarioFile(file_test::NamedTable());
  struct Case {
    std::string bytes;
    std::string says;
  };
  // Row 86 (at byte 85 * 34 + 48) with its name length 4 turned into 2: the
  // rows end 2 bytes early.
  std::string short_name = good;
  short_name[85 * 34 + 48 + 14] = 2;
  const Case cases[] = {
      {"", "only 0"},
      {good.substr(0, 2957), "only 2957"},
      {good.substr(0, good.size() - 1), "row 86"},
      {good + "x", "1 left over"},
      {short_name, "2 left over"},
      // A name length that points past the end.
      {std::string(34 * 86, '\0') + Hex({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}) +
           std::string(18, '\0'),
       "row 86"},
  };
  for (const Case& c : cases) {
    ScenarioTable read;
    Status problem = DecodeScenarioFile(c.bytes, &read);
    ASSERT_TRUE(!problem.ok()) << c.bytes.size();
    EXPECT_NE(problem.message().find(c.says), std::string::npos) << problem.message();
  }
}

TEST(ScenarioFileDecoderTest, ReadsBackWhatTheEncoderWrites) {
  std::mt19937 random(16);
  auto any = [&random](int64_t low, int64_t high) {
    return std::uniform_int_distribution<int64_t>(low, high)(random);
  };
  for (int round = 0; round < 200; ++round) {
    ScenarioTable written;
    written.Reset();
    for (ScenarioRow& row : written.rows) {
      row.kind = static_cast<uint8_t>(any(0, 255));
      row.span_start = static_cast<int32_t>(any(INT32_MIN, INT32_MAX));
      row.span_end = static_cast<int32_t>(any(INT32_MIN, INT32_MAX));
      row.position = static_cast<int32_t>(any(INT32_MIN, INT32_MAX));
      row.tps = static_cast<uint8_t>(any(0, 255));
      row.name.resize(static_cast<size_t>(any(0, round % 10 == 0 ? 3000 : 20)));
      for (char& c : row.name) c = static_cast<char>(any(0, 255));
      for (int16_t* column :
           {&row.first_d2, &row.first_d3, &row.second_d1, &row.second_d2, &row.second_d3}) {
        *column = static_cast<int16_t>(any(INT16_MIN, INT16_MAX));
      }
      for (uint8_t* column : {&row.rap, &row.ac, &row.mar, &row.tab}) {
        *column = static_cast<uint8_t>(any(0, 255));
      }
      row.scheduled_time = static_cast<int32_t>(any(INT32_MIN, INT32_MAX));
    }
    ScenarioTable read;
    ASSERT_TRUE(DecodeScenarioFile(EncodeScenarioFile(written), &read).ok());
    for (int row = 0; row < kScenarioRowCount; ++row) ASSERT_EQ(read[row], written[row]) << row;
  }
}

}  // namespace
}  // namespace scenario
