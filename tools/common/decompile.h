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
#include "records/scenario_table.h"

namespace scenario {

// The decoded files of one scenario, with their bytes for the comparison.
// The route file is kept as bytes only (its half a million elements are
// read once, as the curves are found); its structure is checked on loading.
struct CompiledScenario {
  std::string route_name;    // from the file names
  std::string train_number;
  bool has_route = false;    // false: compiled without a route file
  int64_t route_rows = 0;
  size_t route_y_column = 0;  // the byte where the plan_y column begins
  ScenarioTable scenario;
  // Cell 1's value_a and value_b cleared: they are the stamp's (the format
  // mark and the plain check code), set after every record, and an object
  // there carried 0 in both or the stamp would have refused it.
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
