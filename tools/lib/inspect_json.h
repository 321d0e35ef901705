// The dump as JSON: the same content as the text dump, with every raw field.
#pragma once

#include <nlohmann/json.hpp>

#include "tools/lib/inspect_file_kind.h"

namespace scenario {

nlohmann::json InspectedFileToJson(const InspectedFile& file);

}  // namespace scenario
