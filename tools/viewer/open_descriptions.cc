#include "tools/viewer/open_descriptions.h"

#include <filesystem>
#include <sstream>

#include "tools/common/decompile_command.h"
#include "tools/common/text.h"
#include "tools/viewer/status_json.h"

namespace scenario::viewer {

OpenedDescriptions OpenFolderAsDescriptions(const std::string& folder) {
  for (const char* name : {"line.txt", "train.txt"}) {
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    std::error_code error;
    if (std::filesystem::exists(path, error) || error) {
      return {kDecompileRefused, path.string() + " is already there: nothing was written, so that an author's "
                                                 "texts are not overwritten"};
    }
  }
  std::ostringstream out, err;
  const DecompileOptions options{folder, "", "", {folder}};
  const ExitStatus status = RunDecompile(options, out, err);
  std::string said = out.str() + err.str();
  while (!said.empty() && said.back() == '\n') said.pop_back();
  return {status, said};
}

std::string OpenedDescriptionsJson(const OpenedDescriptions& opened) {
  const bool exact = opened.status == kDecompileExact;
  return DumpStatus(StatusJson{{"opened", exact}, {"exact", exact}, {"message", DisplayText(opened.message)}});
}

}  // namespace scenario::viewer
