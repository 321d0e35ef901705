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

CompileResult memorizza_percorso(GeneratorState& state, int32_t build_route_table,
                                 DescriptionSource& source,
                                 const std::filesystem::path& folder, FileWriter& writer) {
  CompileResult result;
  state.build_route_table = build_route_table;
  state.error_code = kNoError;
  state.scenario.Reset();

  memorizza_dati(state, source);

  // Without a route length there is no grid to complete, stamp or write.
  if (!state.grid.sized() || (state.build_route_table != 0 && !state.route.sized())) {
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
  // The route file (20 MB at the longest route) and the grid file go out
  // piece by piece and are never held whole. The files are one set: after
  // a failure none of them is new.
  RouteFilePieces route_pieces(state.route);
  const std::string scenario_bytes = EncodeScenarioFile(state.scenario);
  WholeBytes scenario_piece(scenario_bytes);
  GridFilePieces grid_pieces(state.grid);
  std::vector<SetFile> files;
  if (state.build_route_table != 0) files.push_back({folder / names.route_file, &route_pieces});
  files.push_back({folder / names.scenario_file, &scenario_piece});
  files.push_back({folder / names.grid_file, &grid_pieces});
  result.status = writer.WriteSet(files);
  if (!result.status.ok()) return result;
  for (const SetFile& file : files) result.written.push_back(file.path.filename().string());
  return result;
}

}  // namespace scenario
