// Error 15: a record beyond the end of the grid, an object aimed at a cell
// outside it, or, in the train description, the line description's own
// error 15 that the first signal or slowdown meets after its writer ran.
#include <string>

#include "app/error_codes.h"
#include "grid/rounding.h"
#include "grid/signal_and_slowdown_cells.h"
#include "tools/diagnostics/diagnostic_errors.h"

namespace scenario {

namespace {

const ErrorRead* LineBeyond(const DiagnosticContext& context) {
  for (const ErrorRead& error : context.recorder.errors()) {
    if (error.description == Description::kLine && error.code == kErrorBeyondGrid) return &error;
  }
  return nullptr;
}

// The cell an object record aims at, for the records that test it.
std::optional<int64_t> AimedCell(const DiagnosticContext& context, const RecordRead& record) {
  const int64_t p = record.Number(0).value_or(0);
  if (record.kind == "signal" || record.kind == "sign board" || record.kind == "speed boards") {
    return RoundDiv(p + 50, 50);
  }
  if (record.kind == "code reduction") return RoundDiv(p, 50);
  if (record.kind == "stop") {
    // The stop cell, one cell before the zone end.
    int r = 0;
    for (const RecordRead& other : context.recorder.records()) {
      if (other.kind == "stop") ++r;
      if (&other == &record) break;
    }
    return RoundDiv(int64_t{context.state.scenario[r].span_end} - 50, 50);
  }
  return std::nullopt;
}

}  // namespace

std::string BeyondGridMessage(const DiagnosticContext& context, const ErrorRead& error,
                              const RecordRead& record) {
  const TrackGrid& grid = context.state.grid;
  const int64_t last = grid.last_index();
  const int64_t p = record.Number(0).value_or(error.error_position);
  const int64_t margin = record.kind == "stop" ? 800 : 100;
  const std::string rest = error.description == Description::kLine
                               ? "; the rest of the line description is not read, the train "
                                 "description still is"
                               : "; the rest of the train description is not read";
  if (!grid.PositionFits(p, margin)) {
    return RecordAt(record) + " lies beyond the end of the grid: with a route length of " +
           std::to_string(context.state.scenario[kRunRow].span_end) + " m the last cell is " +
           std::to_string(last) + ", so a " + (record.kind == "stop" ? "stop" : "record") +
           " may stand at " + std::to_string(50 * last - margin) + " m at most" + rest;
  }
  const bool object = record.kind == "signal" || record.kind == "slowdown";
  const bool in_grid =
      record.kind == "signal"
          ? grid.Contains(SignalCell(static_cast<int32_t>(p)))
          : SlowdownCellsInGrid(grid, static_cast<int32_t>(p),
                                static_cast<int32_t>(record.Number(2).value_or(0)));
  if (const ErrorRead* line = LineBeyond(context);
      object && in_grid && line != nullptr && error.description == Description::kTrain) {
    return RecordAt(record) + " is written, and then the line description's error 15 (line " +
           std::to_string(line->where.line) +
           ") is still the error code: the train reader stops at the first signal or slowdown "
           "with it and this record's position";
  }
  if (record.kind == "slowdown") {
    return RecordAt(record) + " aims its boards at cells outside the grid (cells 0 to " +
           std::to_string(last) + ")" + rest;
  }
  if (std::optional<int64_t> cell = AimedCell(context, record)) {
    return RecordAt(record) + " aims at cell " + std::to_string(*cell) +
           ", outside the grid (cells 0 to " + std::to_string(last) + ")" + rest;
  }
  return RecordAt(record) + " lies outside the grid" + rest;
}

}  // namespace scenario
