// The scenario table: 87 rows of 16 columns, each row index with a fixed role.
//
// Scenario file: rows 0 .. 86 back to back, each row encoded as
//   kind u8 | span_start i32 | span_end i32 | position i32 | tps u8 |
//   name (u16 length + bytes) | first_d2 i16 | first_d3 i16 | second_d1 i16 |
//   second_d2 i16 | second_d3 i16 | rap u8 | ac u8 | mar u8 | tab u8 |
//   scheduled_time i32
// little-endian, no padding: 34 + name bytes per row.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace scenario {

struct ScenarioRow {
  uint8_t kind = 0;
  int32_t span_start = 0;
  int32_t span_end = 0;
  int32_t position = 0;
  uint8_t tps = 0;
  std::string name;
  int16_t first_d2 = 0;
  int16_t first_d3 = 0;
  int16_t second_d1 = 0;
  int16_t second_d2 = 0;
  int16_t second_d3 = 0;
  uint8_t rap = 0;
  uint8_t ac = 0;
  uint8_t mar = 0;
  uint8_t tab = 0;
  int32_t scheduled_time = 0;

  bool operator==(const ScenarioRow&) const = default;
};

// Row roles.
inline constexpr int kScenarioRowCount = 87;
inline constexpr int kSpareRow = 0;
inline constexpr int kFirstStopRow = 1;
inline constexpr int kFirstBoardRow = 80;  // sign texts go 80, 79, ... downward
inline constexpr int kChainageRow3 = 81;
inline constexpr int kChainageRow2 = 82;
inline constexpr int kChainageRow1 = 83;
inline constexpr int kRunRow = 84;
inline constexpr int kRouteRow = 85;
inline constexpr int kTrainRow = 86;

inline constexpr size_t kScenarioRowFixedBytes = 34;

struct ScenarioTable {
  std::array<ScenarioRow, kScenarioRowCount> rows;

  // Every number 0, every name empty.
  void Reset();
  ScenarioRow& operator[](int index) { return rows[static_cast<size_t>(index)]; }
  const ScenarioRow& operator[](int index) const { return rows[static_cast<size_t>(index)]; }
};

void AppendScenarioRow(std::string* dst, const ScenarioRow& row);
// The whole scenario file: rows 0 .. 86 in order.
std::string EncodeScenarioFile(const ScenarioTable& table);

}  // namespace scenario
