// Words for cells and for where things come from, shared by the error
// messages: "cell 411, which already holds a speed board placed by line 231
// of the line description".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/track_grid.h"
#include "tools/diagnostics/diagnostic_recorder.h"

namespace scenario {

// "a signal", "a tunnel marker", "nothing" ...
std::string CellObjectName(uint8_t cell_type);

// "line 231 of the line description".
std::string RecordPlace(const RecordRead& record);

// What a cell holds and who put it there, as in "a speed board placed by
// line 231 of the line description", "a code reduction placed by the
// completion pass" or "a slowdown warning board placed by this same record".
// `types` is the grid's cell types at the moment of interest (the grid as it
// was when a reader stopped); `current` the record being read.
std::string DescribeOccupant(const DiagnosticRecorder& recorder, const std::vector<uint8_t>& types,
                             int64_t cell, const RecordRead* current);

// The cell types of the whole grid, for a picture of one moment.
std::vector<uint8_t> CellTypes(const TrackGrid& grid);

// The type of a cell in such a picture; cells outside it count as empty.
uint8_t TypeIn(const std::vector<uint8_t>& types, int64_t cell);

}  // namespace scenario
