#include "records/check_codes.h"

#include "records/scenario_table.h"

namespace scenario {

namespace {
constexpr std::string_view kFiller = "aabbccddeeffgghhiillmmnnoo";
constexpr size_t kCheckLength = 25;
}  // namespace

std::string CheckString(std::string_view train_number, std::string_view route_name) {
  std::string s;
  s.reserve(train_number.size() + route_name.size() + kFiller.size());
  s.append(train_number);
  s.append(route_name);
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  s.append(kFiller);
  s.resize(kCheckLength);
  return s;
}

int32_t PlainCheckCode(std::string_view train_number, std::string_view route_name) {
  int32_t sum = 0;
  for (char c : CheckString(train_number, route_name)) sum += static_cast<uint8_t>(c);
  return sum;
}

int32_t WeightedCheckCode(std::string_view train_number, std::string_view route_name) {
  int32_t sum = 0;
  int32_t weight = 1;
  for (char c : CheckString(train_number, route_name)) sum += weight++ * static_cast<uint8_t>(c);
  return sum;
}

int32_t codice_gara_og(const ScenarioTable& table) {
  return PlainCheckCode(table[kTrainRow].name, table[kRouteRow].name);
}

int32_t codice_gara_st(const ScenarioTable& table) {
  return WeightedCheckCode(table[kTrainRow].name, table[kRouteRow].name);
}

}  // namespace scenario
