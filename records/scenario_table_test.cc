#include "records/scenario_table.h"

#include <gtest/gtest.h>

#include "records/encoding.h"

namespace scenario {
namespace {

ScenarioTable NamedEmptyTable() {
  ScenarioTable table;
  table.Reset();
  table[kRouteRow].name = "Corvena_Lidra1";
  table[kTrainRow].name = "7304";
  return table;
}

// Offset of row k in the file: the sum of the sizes of rows 0 .. k - 1.
size_t RowOffset(const ScenarioTable& table, int k) {
  size_t offset = 0;
  for (int i = 0; i < k; ++i) offset += 34 + table[i].name.size();
  return offset;
}

TEST(ScenarioTableTest, EmptyTableWithTheTwoNamesIs2976Bytes) {
  std::string file = EncodeScenarioFile(NamedEmptyTable());
  EXPECT_EQ(file.size(), 2976u);
  EXPECT_EQ(file.substr(0, 34), std::string(34, '\0'));
}

TEST(ScenarioTableTest, RowWithNameIs38BytesWithLengthBeforeTheCharacters) {
  ScenarioRow row;
  row.name = "7304";
  std::string bytes;
  AppendScenarioRow(&bytes, row);
  ASSERT_EQ(bytes.size(), 38u);
  EXPECT_EQ(bytes.substr(14, 6), std::string("\x04\x00" "7304", 6));
  ScenarioRow unnamed;
  bytes.clear();
  AppendScenarioRow(&bytes, unnamed);
  EXPECT_EQ(bytes.size(), 34u);
}

TEST(ScenarioTableTest, FieldsLieAtTheirOffsetsInTheRow) {
  ScenarioRow row;
  row.kind = 8;
  row.span_start = -500;
  row.span_end = 500;
  row.position = 0x01020304;
  row.tps = 1;
  row.name = "AB";
  row.first_d2 = 610;
  row.first_d3 = -1;
  row.second_d1 = 13;
  row.second_d2 = 53;
  row.second_d3 = 30;
  row.rap = 2;
  row.ac = 60;
  row.mar = 1;
  row.tab = 1;
  row.scheduled_time = 31507;
  std::string b;
  AppendScenarioRow(&b, row);
  ASSERT_EQ(b.size(), 36u);
  const size_t n = 2;
  EXPECT_EQ(static_cast<uint8_t>(b[0]), 8);
  EXPECT_EQ(static_cast<int32_t>(DecodeFixed32(&b[1])), -500);
  EXPECT_EQ(static_cast<int32_t>(DecodeFixed32(&b[5])), 500);
  EXPECT_EQ(DecodeFixed32(&b[9]), 0x01020304u);
  EXPECT_EQ(static_cast<uint8_t>(b[13]), 1);
  EXPECT_EQ(DecodeFixed16(&b[14]), 2);
  EXPECT_EQ(b.substr(16, 2), "AB");
  EXPECT_EQ(std::string(&b[16 + n], 2), std::string("\x62\x02", 2));
  EXPECT_EQ(static_cast<int16_t>(DecodeFixed16(&b[18 + n])), -1);
  EXPECT_EQ(DecodeFixed16(&b[20 + n]), 13);
  EXPECT_EQ(DecodeFixed16(&b[22 + n]), 53);
  EXPECT_EQ(DecodeFixed16(&b[24 + n]), 30);
  EXPECT_EQ(static_cast<uint8_t>(b[26 + n]), 2);
  EXPECT_EQ(static_cast<uint8_t>(b[27 + n]), 60);
  EXPECT_EQ(static_cast<uint8_t>(b[28 + n]), 1);
  EXPECT_EQ(static_cast<uint8_t>(b[29 + n]), 1);
  EXPECT_EQ(std::string(&b[30 + n], 4), std::string("\x13\x7B\x00\x00", 4));
}

TEST(ScenarioTableTest, RouteRowFormatMarkLandsAfterItsName) {
  ScenarioTable table = NamedEmptyTable();
  table[kRouteRow].first_d2 = 610;
  std::string file = EncodeScenarioFile(table);
  size_t row = RowOffset(table, kRouteRow);
  size_t n = table[kRouteRow].name.size();
  EXPECT_EQ(file.substr(row + 16 + n, 2), std::string("\x62\x02", 2));
  EXPECT_EQ(file.substr(row + 16, n), "Corvena_Lidra1");
}

TEST(ScenarioTableTest, ResetClearsEveryRow) {
  ScenarioTable table = NamedEmptyTable();
  table[5].kind = 3;
  table[5].scheduled_time = 9;
  table[80].name = "( KM )";
  table.Reset();
  EXPECT_EQ(EncodeScenarioFile(table), std::string(87 * 34, '\0'));
}

}  // namespace
}  // namespace scenario
