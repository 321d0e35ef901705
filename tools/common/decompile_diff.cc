#include "tools/common/decompile_diff.h"

#include <cstdio>

namespace scenario {

namespace {

uint16_t U16At(const std::string& bytes, size_t at) {
  if (at + 1 >= bytes.size()) return 0;
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                               static_cast<uint8_t>(bytes[at + 1]) << 8);
}

std::string GridField(size_t offset) {
  static constexpr const char* kFields[15] = {
      "cell_type", "value_a", "value_a", "value_b", "value_b", "value_c", "value_c", "value_d",
      "value_d", "signal_time", "approach_mark", "tunnel_kind", "speed_limit", "gradient", "adhesion"};
  return "cell " + std::to_string(offset / 15) + " " + kFields[offset % 15];
}

std::string ScenarioField(const std::string& bytes, size_t offset) {
  size_t row_start = 0;
  for (int row = 0; row < kScenarioRowCount; ++row) {
    const size_t n = U16At(bytes, row_start + 14);
    const size_t size = kScenarioRowFixedBytes + n;
    if (offset < row_start + size) {
      const size_t at = offset - row_start;
      const char* column = at < 1    ? "kind"
                           : at < 5  ? "span_start"
                           : at < 9  ? "span_end"
                           : at < 13 ? "position"
                           : at < 14 ? "tps"
                           : at < 16 + n ? "name"
                           : at < 18 + n ? "first_d2"
                           : at < 20 + n ? "first_d3"
                           : at < 22 + n ? "second_d1"
                           : at < 24 + n ? "second_d2"
                           : at < 26 + n ? "second_d3"
                           : at < 27 + n ? "rap"
                           : at < 28 + n ? "ac"
                           : at < 29 + n ? "mar"
                           : at < 30 + n ? "tab"
                                         : "scheduled_time";
      return "row " + std::to_string(row) + " " + column;
    }
    row_start += size;
  }
  return "after row 86";
}

std::string RouteField(const std::string& bytes, int64_t rows, size_t offset) {
  size_t at = 0;
  for (int64_t element = 0; at < bytes.size(); ++element) {
    const uint16_t tag = U16At(bytes, at);
    const size_t size = 2 + (tag == 2 ? 2 : tag == 3 || tag == 4 ? 4 : tag == 5 ? 8
                             : tag == 8 ? 2 + U16At(bytes, at + 2) : 0);
    if (offset < at + size) {
      const bool y = rows > 0 && element >= rows;
      return std::string(y ? "plan_y" : "plan_x") + " of row " +
             std::to_string(rows > 0 ? element % rows : element);
    }
    at += size;
  }
  return "after the last row";
}

std::string ByteAt(const std::string& bytes, size_t offset) {
  if (offset >= bytes.size()) return "nothing (the file ends there)";
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "0x%02x", static_cast<uint8_t>(bytes[offset]));
  return buffer;
}

}  // namespace

std::string FileNameOf(const CompiledScenario& files, FileRole role) {
  switch (role) {
    case FileRole::kRoute: return files.route_name + "_linea.dat";
    case FileRole::kScenario: return files.route_name + "_" + files.train_number + ".sim";
    case FileRole::kGrid: return files.route_name + "_" + files.train_number + ".dat";
  }
  return "";
}

std::string DescribeDifference(const CompiledScenario& files, FileRole role,
                               const std::string& original, const std::string& made, size_t offset) {
  std::string field;
  switch (role) {
    case FileRole::kRoute:
      field = RouteField(original, files.route_rows, offset);
      break;
    case FileRole::kScenario: field = ScenarioField(original, offset); break;
    case FileRole::kGrid: field = GridField(offset); break;
  }
  return FileNameOf(files, role) + ": offset " + std::to_string(offset) + ", " + field +
         ": the file has " + ByteAt(original, offset) + ", the descriptions give " +
         ByteAt(made, offset);
}

}  // namespace scenario
