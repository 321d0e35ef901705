#include "records/scenario_file_decoder.h"

#include "records/byte_reader.h"

namespace scenario {

namespace {

bool ReadRow(ByteReader& in, ScenarioRow* row) {
  return in.ReadU8(&row->kind) && in.ReadI32(&row->span_start) && in.ReadI32(&row->span_end) &&
         in.ReadI32(&row->position) && in.ReadU8(&row->tps) && in.ReadStringField(&row->name) &&
         in.ReadI16(&row->first_d2) && in.ReadI16(&row->first_d3) &&
         in.ReadI16(&row->second_d1) && in.ReadI16(&row->second_d2) &&
         in.ReadI16(&row->second_d3) && in.ReadU8(&row->rap) && in.ReadU8(&row->ac) &&
         in.ReadU8(&row->mar) && in.ReadU8(&row->tab) && in.ReadI32(&row->scheduled_time);
}

}  // namespace

Status DecodeScenarioFile(std::string_view bytes, ScenarioTable* table) {
  const size_t minimum = kScenarioRowCount * kScenarioRowFixedBytes;
  if (bytes.size() < minimum) {
    return Status::Error("a scenario file holds 87 rows of at least 34 bytes (" +
                         std::to_string(minimum) + " bytes), this one has only " +
                         std::to_string(bytes.size()));
  }
  ByteReader in(bytes);
  table->Reset();
  for (int row = 0; row < kScenarioRowCount; ++row) {
    size_t start = in.offset();
    if (!ReadRow(in, &(*table)[row])) {
      return Status::Error("row " + std::to_string(row) + " starting at byte " +
                           std::to_string(start) +
                           " runs past the end of the file (truncated, or not a scenario file)");
    }
  }
  if (!in.AtEnd()) {
    return Status::Error("the 87 rows end at byte " + std::to_string(in.offset()) +
                         " but the file has " + std::to_string(bytes.size()) + " bytes (" +
                         std::to_string(in.remaining()) + " left over)");
  }
  return Status::OK();
}

}  // namespace scenario
