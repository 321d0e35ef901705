// The two check codes carried by every scenario: checksums of the train number
// and the route name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scenario {

// Train number then route name, lower-cased (A-Z), the filler appended, the
// first 25 characters kept.
std::string CheckString(std::string_view train_number, std::string_view route_name);

// Sum of the 25 character codes (0 .. 6375).
int32_t PlainCheckCode(std::string_view train_number, std::string_view route_name);
// Sum of i x character code for i = 1 .. 25 (0 .. 82875).
int32_t WeightedCheckCode(std::string_view train_number, std::string_view route_name);

struct ScenarioTable;
// codice_gara_og and codice_gara_st: read rows 86 (train) and 85 (route).
int32_t codice_gara_og(const ScenarioTable& table);
int32_t codice_gara_st(const ScenarioTable& table);

}  // namespace scenario
