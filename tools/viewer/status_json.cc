#include "tools/viewer/status_json.h"

#include "tools/common/text.h"

namespace scenario::viewer {

std::string DumpStatus(const StatusJson& json) {
  return json.dump(-1, ' ', false, StatusJson::error_handler_t::replace);
}

std::string InspectStatusJson(const std::string& failure, const std::vector<std::string>& warnings) {
  StatusJson shown = StatusJson::array();
  for (const std::string& warning : warnings) shown.push_back(DisplayText(warning));
  return DumpStatus(StatusJson{{"mode", "inspect"},
                               {"failed", !failure.empty()},
                               {"message", DisplayText(failure)},
                               {"warnings", std::move(shown)}});
}

}  // namespace scenario::viewer
