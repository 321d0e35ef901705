#include "tools/diagnostics/diagnostic_cells.h"

#include "grid/cell.h"

namespace scenario {

std::string CellObjectName(uint8_t cell_type) {
  switch (cell_type) {
    case kEmpty: return "nothing";
    case kSignal: return "a signal";
    case kSlowdownEnd: return "a slowdown end board";
    case kSlowdownStart: return "a slowdown start board";
    case kSlowdownWarning: return "a slowdown warning board";
    case kSlowdownPrewarning: return "a slowdown pre-warning board";
    case kSpeedBoard: return "a speed board";
    case kStationStop: return "a stop point";
    case kTunnelMarker: return "a tunnel marker";
    case kCodeReduction: return "a code reduction";
    case kCodeZero: return "a code-zero mark";
    case kSignBoard: return "a sign board";
    default: return "an object of type " + std::to_string(cell_type);
  }
}

std::string RecordPlace(const RecordRead& record) {
  return "line " + std::to_string(record.keyword.line) + " of the " +
         (record.description == Description::kLine ? "line" : "train") + " description";
}

std::vector<uint8_t> CellTypes(const TrackGrid& grid) {
  std::vector<uint8_t> types;
  types.reserve(static_cast<size_t>(grid.cell_count()));
  for (const Cell& cell : grid.cells()) types.push_back(cell.cell_type);
  return types;
}

uint8_t TypeIn(const std::vector<uint8_t>& types, int64_t cell) {
  if (cell < 0 || cell >= static_cast<int64_t>(types.size())) return kEmpty;
  return types[static_cast<size_t>(cell)];
}

std::string DescribeOccupant(const DiagnosticRecorder& recorder, const std::vector<uint8_t>& types,
                             int64_t cell, const RecordRead* current) {
  const uint8_t type = TypeIn(types, cell);
  std::string words = CellObjectName(type);
  if (type == kEmpty) return words;
  const RecordRead* placer = recorder.PlacedBy(cell, type);
  if (placer == current && placer != nullptr) return words + " placed by this same record";
  if (placer != nullptr) return words + " placed by " + RecordPlace(*placer);
  // Only the completion pass places objects without a record.
  if (type == kCodeReduction) return words + " placed by the completion pass";
  return words;
}

}  // namespace scenario
