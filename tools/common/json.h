// The dump as JSON: the same content as the text dump, with every raw field.
#pragma once

#include <nlohmann/json.hpp>

#include "tools/common/file_kind.h"

namespace scenario {

// Keys keep the order in which they are added: the file, its kind, then the
// content.
nlohmann::ordered_json InspectedFileToJson(const InspectedFile& file);

}  // namespace scenario
