#include "tools/inspect/command.h"

#include <filesystem>
#include <fstream>

#include "tools/inspect/dump.h"
#include "tools/inspect/json.h"
#include "tools/inspect/scenario_folder.h"
#include "tools/inspect/svg.h"

namespace scenario {

namespace {

int DrawFolder(const InspectOptions& options, std::ostream& out, std::ostream& err) {
  if (options.json) {
    err << "scenario-inspect: error: --json and --svg do not go together\n";
    return kInspectBadInput;
  }
  if (options.paths.size() != 1) {
    err << "scenario-inspect: error: --svg draws one folder, " << options.paths.size() << " paths given\n";
    return kInspectBadInput;
  }
  ScenarioFolder folder;
  if (Status loaded = LoadScenarioFolder(options.paths[0], &folder); !loaded.ok()) {
    err << loaded.message() << '\n';
    return kInspectBadInput;
  }
  for (const std::string& warning : folder.warnings) err << options.paths[0] << ": warning: " << warning << '\n';
  std::string svg = RenderScenarioSvg(folder);
  std::ofstream file(options.svg_output, std::ios::binary | std::ios::trunc);
  file << svg;
  file.close();
  if (!file) {
    err << options.svg_output << ": error: cannot be written\n";
    return kInspectBadInput;
  }
  out << "wrote " << options.svg_output << " (" << svg.size() << " bytes)\n";
  return kInspectOk;
}

}  // namespace

int RunInspect(const InspectOptions& options, std::ostream& out, std::ostream& err) {
  if (!options.svg_output.empty()) return DrawFolder(options, out, err);
  if (options.paths.empty()) {
    err << "scenario-inspect: error: no file given\n";
    return kInspectBadInput;
  }
  int status = kInspectOk;
  // A folder stands for the files of the scenario in it.
  std::vector<std::string> paths;
  for (const std::string& path : options.paths) {
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) {
      paths.push_back(path);
      continue;
    }
    std::vector<std::filesystem::path> files;
    if (Status found = ScenarioFilesIn(path, &files); !found.ok()) {
      err << path << ": error: " << found.message() << '\n';
      status = kInspectBadInput;
      continue;
    }
    for (const std::filesystem::path& file : files) paths.push_back(file.string());
  }
  nlohmann::ordered_json all = nlohmann::ordered_json::array();
  for (const std::string& path : paths) {
    InspectedFile file;
    if (Status loaded = LoadInspectedFile(path, &file); !loaded.ok()) {
      err << path << ": error: " << loaded.message() << '\n';
      status = kInspectBadInput;
      continue;
    }
    if (options.json) {
      all.push_back(InspectedFileToJson(file));
    } else {
      DumpInspectedFile(file, out);
    }
  }
  if (options.json && !all.empty()) {
    const nlohmann::ordered_json& shown = paths.size() == 1 ? all[0] : all;
    out << shown.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
  }
  return status;
}

}  // namespace scenario
