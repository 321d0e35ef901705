#include "app/compile_step.h"

#include "app/error_codes.h"
#include "app/file_names.h"
#include "descriptions/read_descriptions.h"
#include "grid/completion_pass.h"
#include "grid/grid_file.h"
#include "records/stamp.h"

namespace scenario {

std::string EncodeRouteFile(const GeneratorState& state) {
  std::string bytes;
  state.route.Encode(&bytes);
  return bytes;
}

CompileResult memorizza_percorso(GeneratorState& state, int32_t write_files,
                                 DescriptionSource& source,
                                 const std::filesystem::path& folder, FileWriter& writer) {
  CompileResult result;
  state.write_files = write_files;
  state.error_code = kNoError;
  state.scenario.Reset();

  memorizza_dati(state, source);

  // Without a route length there is no grid to complete, stamp or write.
  if (!state.grid.sized() || (state.write_files != 0 && !state.route.sized())) {
    result.status = Status::Error("error code " + std::to_string(state.error_code) +
                                  ": the line description gave no usable route length, so no "
                                  "binary file can be written");
    return result;
  }

  CompleteGrid(state);

  int32_t fatal = StampScenario(state);
  if (fatal != 0) {
    result.status = Status::Error("fatal report " + std::to_string(fatal));
    result.fatal_number = fatal;
    return result;
  }

  const FileNames names = MakeFileNames(state.route_name, state.train_number);
  auto produce = [&](const std::string& name, auto&& bytes) {
    result.status = writer.Write(folder / name, bytes);
    if (!result.status.ok()) return false;
    result.written.push_back(name);
    return true;
  };
  if (state.write_files != 0) {
    // The route file (20 MB at the longest route) and the grid file go out
    // piece by piece and are never held whole.
    RouteFilePieces route_pieces(state.route);
    if (!produce(names.route_file, route_pieces)) return result;
  }
  if (!produce(names.scenario_file, EncodeScenarioFile(state.scenario))) return result;
  GridFilePieces grid_pieces(state.grid);
  if (!produce(names.grid_file, grid_pieces)) return result;
  return result;
}

}  // namespace scenario
