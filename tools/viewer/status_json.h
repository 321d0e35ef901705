// The status document of the page: how the last compile or folder load went,
// for the side panel and the red band. The compile's own document is made in
// compile_status.cc; this is the part both commands share.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace scenario::viewer {

using StatusJson = nlohmann::ordered_json;

// Text that is not valid UTF-8 is replaced rather than thrown on.
std::string DumpStatus(const StatusJson& json);

// {"mode": "inspect", "failed", "message", "warnings"}: a folder of compiled
// files has no diagnostics, only whether it could be read.
std::string InspectStatusJson(const std::string& failure, const std::vector<std::string>& warnings);

}  // namespace scenario::viewer
