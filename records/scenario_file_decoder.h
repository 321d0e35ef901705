// Reading a scenario file back into the 87-row scenario table.
#pragma once

#include <string>
#include <string_view>

#include "app/status.h"
#include "records/scenario_table.h"

namespace scenario {

// Decodes rows 0 .. 86 in order. The file must end exactly after row 86.
// A failure says what is wrong.
Status DecodeScenarioFile(std::string_view bytes, ScenarioTable* table);

}  // namespace scenario
