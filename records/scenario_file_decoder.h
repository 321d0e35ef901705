// Reading a scenario file back into the 87-row scenario table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "records/scenario_table.h"

namespace scenario {

// Decodes rows 0 .. 86 in order. The file must end exactly after row 86.
// Returns what is wrong, or nothing when the table was decoded.
std::optional<std::string> DecodeScenarioFile(std::string_view bytes, ScenarioTable* table);

}  // namespace scenario
