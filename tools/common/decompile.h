// Opening a compiled scenario: description texts written back from its three
// files, from what the values mean (curves from the plan, profiles and
// objects from the cells and rows, less what the completion pass and the
// approach marks add, since the compile adds them again), and a check that
// the texts compile back to the very same bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "grid/cell.h"
#include "records/route_file_decoder.h"
#include "records/scenario_table.h"

namespace scenario {

// The decoded files of one scenario, with their bytes for the comparison.
struct CompiledScenario {
  std::string route_name;    // from the file names
  std::string train_number;
  std::optional<RoutePlan> route;  // none: compiled without a route file
  ScenarioTable scenario;
  std::vector<Cell> cells;
  std::string route_bytes;
  std::string scenario_bytes;
  std::string grid_bytes;
};

struct DecompiledTexts {
  std::string line;
  std::string train;
  // What the files hold that the texts cannot give back, each with where it
  // is ("grid cell 412: ...").
  std::vector<std::string> notes;
};

// How the train records that leave approach marks are ordered: the stops
// before the signals (as the carried description has them) or after.
enum class MarkOrder { kStopsFirst, kSignalsFirst };

// The line description and the train description that give these files.
DecompiledTexts Decompile(const CompiledScenario& files, MarkOrder order = MarkOrder::kStopsFirst);

// The parts of the texts, each in its own file.
void DecompileLine(const CompiledScenario& files, DecompiledTexts* out);
void DecompileTrain(const CompiledScenario& files, MarkOrder order, DecompiledTexts* out);

}  // namespace scenario
