#include "tools/diagnostics/diagnostic_cells.h"

#include "grid/cell.h"
#include "grid/cell_types.h"

namespace scenario {

std::string CellObjectName(uint8_t cell_type) {
  const CellTypeEntry* entry = FindCellType(cell_type);
  return entry != nullptr ? entry->object : "an object of type " + std::to_string(cell_type);
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
