#include "records/scenario_table.h"

#include "records/encoding.h"

namespace scenario {

void ScenarioTable::Reset() {
  for (ScenarioRow& row : rows) row = ScenarioRow{};
}

void AppendScenarioRow(std::string* dst, const ScenarioRow& row) {
  PutFixed8(dst, row.kind);
  PutInt32(dst, row.span_start);
  PutInt32(dst, row.span_end);
  PutInt32(dst, row.position);
  PutFixed8(dst, row.tps);
  PutStringField(dst, row.name);
  PutInt16(dst, row.first_d2);
  PutInt16(dst, row.first_d3);
  PutInt16(dst, row.second_d1);
  PutInt16(dst, row.second_d2);
  PutInt16(dst, row.second_d3);
  PutFixed8(dst, row.rap);
  PutFixed8(dst, row.ac);
  PutFixed8(dst, row.mar);
  PutFixed8(dst, row.tab);
  PutInt32(dst, row.scheduled_time);
}

std::string EncodeScenarioFile(const ScenarioTable& table) {
  size_t size = 0;
  for (const ScenarioRow& row : table.rows) size += kScenarioRowFixedBytes + row.name.size();
  std::string out;
  out.reserve(size);
  for (const ScenarioRow& row : table.rows) AppendScenarioRow(&out, row);
  return out;
}

}  // namespace scenario
