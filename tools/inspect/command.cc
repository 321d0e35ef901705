#include "tools/inspect/command.h"

#include <filesystem>

#include "tools/inspect/dump.h"
#include "tools/inspect/packager_listing.h"
#include "tools/common/json.h"
#include "tools/common/scenario_folder.h"
#include "tools/common/output_target.h"
#include "tools/common/svg.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

ExitStatus DrawFolder(const InspectOptions& options, std::ostream& out, std::ostream& err) {
  if (options.json) {
    err << "scenario-inspect: error: --json and --svg do not go together\n";
    return kExitFailure;
  }
  if (options.paths.size() != 1) {
    err << "scenario-inspect: error: --svg draws one folder, " << options.paths.size() << " paths given\n";
    return kExitFailure;
  }
  const std::filesystem::path folder_path = options.paths[0];
  if (Status target = CheckOutputTarget("--svg", options.svg_output); !target.ok()) {
    err << "scenario-inspect: error: " << DisplayText(target.message()) << '\n';
    return kExitFailure;
  }
  ScenarioFolder folder;
  if (Status loaded = LoadScenarioFolder(folder_path, &folder, RouteDetail::kRowsOnly); !loaded.ok()) {
    err << DisplayText(loaded.message()) << '\n';
    return kExitFailure;
  }
  // The picture never takes the place of a file it was drawn from, however
  // the path names it.
  const std::string stem = folder.route_name + "_" + folder.train_number;
  for (const std::string& name : {folder.route_name + "_linea.dat", stem + ".sim", stem + ".dat"}) {
    if (!SameFile(options.svg_output, folder_path / name)) continue;
    err << "scenario-inspect: error: --svg " << DisplayText(options.svg_output) << " is "
        << DisplayText((folder_path / name).string())
        << ", a file the picture is drawn from: nothing was written\n";
    return kExitFailure;
  }
  for (const std::string& warning : folder.warnings) {
    err << DisplayText(options.paths[0]) << ": warning: " << DisplayText(warning) << '\n';
  }
  const std::string svg = RenderScenarioSvg(folder);
  // Written as every output is: whole or not at all, the older picture kept
  // when it cannot be.
  FreshFileWriter writer(options.faults);
  if (Status written = writer.Write(options.svg_output, svg); !written.ok()) {
    err << "scenario-inspect: error: " << DisplayText(written.message()) << '\n';
    return kExitFailure;
  }
  out << "wrote " << DisplayText(options.svg_output) << " (" << svg.size() << " bytes)\n";
  return kExitSuccess;
}

}  // namespace

ExitStatus RunInspect(const InspectOptions& options, std::ostream& out, std::ostream& err) {
  if (!options.svg_output.empty()) return DrawFolder(options, out, err);
  if (options.paths.empty()) {
    err << "scenario-inspect: error: no file given\n";
    return kExitFailure;
  }
  ExitStatus status = kExitSuccess;
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
      err << DisplayText(path) << ": error: " << DisplayText(found.message()) << '\n';
      status = kExitFailure;
      continue;
    }
    for (const std::filesystem::path& file : files) paths.push_back(file.string());
  }
  nlohmann::ordered_json all = nlohmann::ordered_json::array();
  for (const std::string& path : paths) {
    if (IsExecutableFileKind(path)) {  // a packager: listed, never run
      if (Status listed = ListPackager(path, out, options.json ? &all : nullptr); !listed.ok()) {
        err << DisplayText(path) << ": error: " << DisplayText(listed.message()) << '\n';
        status = kExitFailure;
      }
      continue;
    }
    InspectedFile file;
    if (Status loaded = LoadInspectedFile(path, &file); !loaded.ok()) {
      err << DisplayText(path) << ": error: " << DisplayText(loaded.message()) << '\n';
      status = kExitFailure;
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
