// Errors about cells: an object aimed at a cell that is not free (6, 7, 16
// to 21), no room for the completion pass's code reductions (11 to 13), and
// the fatal report of the stamp step, which an object on cell 1 causes.
#include <string>

#include "grid/cell.h"
#include "grid/rounding.h"
#include "grid/signal_and_slowdown_cells.h"
#include "tools/diagnostics/diagnostic_cells.h"
#include "tools/diagnostics/diagnostic_errors.h"
#include "app/error_codes.h"

namespace scenario {

namespace {

std::string CellWord(int64_t cell) { return "cell " + std::to_string(cell); }

// The nearest cell at or before `from` holding this type, or -1.
int64_t FindBackward(const std::vector<uint8_t>& types, int64_t from, uint8_t type) {
  for (int64_t c = from; c >= 0; --c) {
    if (TypeIn(types, c) == type) return c;
  }
  return -1;
}

int64_t FindForward(const std::vector<uint8_t>& types, int64_t from, int64_t to, uint8_t type) {
  for (int64_t c = from; c <= to; ++c) {
    if (TypeIn(types, c) == type) return c;
  }
  return -1;
}

// "cell 45 holds a signal placed by ..., cell 44 holds ..."
std::string ListCells(const DiagnosticContext& context, const std::vector<uint8_t>& types,
                      std::initializer_list<int64_t> cells) {
  std::string list;
  for (int64_t cell : cells) {
    if (!list.empty()) list += ", ";
    list += CellWord(cell) + " holds " + DescribeOccupant(context.recorder, types, cell, nullptr);
  }
  return list;
}

// A diagnostic at the position field of the record that placed a cell's
// object, or about the train description as a whole.
Diagnostic AtPlacer(const DiagnosticContext& context, int32_t code, int64_t cell,
                    std::string message) {
  if (const RecordRead* placer = context.recorder.PlacedBy(cell)) {
    return context.Error(code, placer->description, placer->At(0), std::move(message));
  }
  return context.Error(code, Description::kTrain, TextPosition{}, std::move(message));
}

std::string SlowdownAt(const DiagnosticContext& context, int64_t start_cell) {
  if (const RecordRead* slowdown = context.recorder.PlacedBy(start_cell)) {
    return RecordAt(*slowdown) + " (" + CellWord(start_cell) + ")";
  }
  return "the slowdown that starts in " + CellWord(start_cell);
}

}  // namespace

std::string OccupiedCellMessage(const DiagnosticContext& context, const ErrorRead& error,
                                const RecordRead& record) {
  const int32_t p = static_cast<int32_t>(record.Number(0).value_or(error.error_position));
  const std::vector<uint8_t>& types = error.grid_types;
  auto holds = [&](int64_t cell) {
    return CellWord(cell) + ", which already holds " +
           DescribeOccupant(context.recorder, types, cell, &record);
  };
  const std::string at = " at " + std::to_string(p) + " m";
  const SlowdownCells slowdown =
      SlowdownCellsFor(p, static_cast<int32_t>(record.Number(2).value_or(0)));
  switch (error.code) {
    case kErrorSignBoardCell:
      return "a sign board" + at + " aimed at " + holds(RoundDiv(int64_t{p} + 50, 50));
    case kErrorSpeedBoardCell:
      return "a speed board" + at + " aimed at " + holds(RoundDiv(int64_t{p} + 50, 50));
    case kErrorSignalCell:
      return "a signal" + at + " aimed at " + holds(SignalCell(p));
    case kErrorCodeReductionCell:
      return "a code reduction" + at + " aimed at " + holds(RoundDiv(p, 50));
    case kErrorWarningCell:
      return "the slowdown" + at + " puts its warning board 1200 m before it, in " +
             holds(slowdown.warning);
    case kErrorSlowdownStartCell:
      return "the slowdown" + at + " starts in " + holds(slowdown.start);
    case kErrorSlowdownEndCell:
      return "the slowdown" + at + ", " + std::to_string(record.Number(2).value_or(0)) +
             " m long, ends in " + holds(slowdown.end);
    case kErrorPrewarningCell: {
      const int64_t m = slowdown.first_prewarning;
      int64_t taken = m;
      for (int64_t c = m; c >= m - 3; --c) {
        if (TypeIn(types, c) != kEmpty && TypeIn(types, c) != kTunnelMarker) {
          taken = c;
          break;
        }
      }
      return "the slowdown" + at + " needs cells " + std::to_string(m - 3) + " to " +
             std::to_string(m) + " for its four pre-warning boards, but " + CellWord(taken) +
             " already holds " + DescribeOccupant(context.recorder, types, taken, &record) +
             "; its start, end and warning boards stay written";
    }
    default: return ErrorCodeMeaning(error.code);
  }
}

Diagnostic CompletionError(const DiagnosticContext& context, int32_t code, int32_t position) {
  const std::vector<uint8_t> types = CellTypes(context.state.grid);
  const int64_t cell = position / 50;
  const std::string tail = "; the completion pass goes on, and only its last error is kept";
  if (code == kErrorReductionBeforeSignal) {
    const int64_t warning = FindForward(types, cell + 1, cell + 20, kSlowdownWarning);
    std::string message =
        "no room for a code reduction in front of the signal in " + CellWord(cell);
    if (const RecordRead* signal = context.recorder.PlacedBy(cell)) {
      message += " (" + RecordAt(*signal) + ")";
    }
    if (warning >= 0) {
      message += ", which stands within 20 cells before the slowdown warning board in " +
                 CellWord(warning);
    }
    message += ": " + ListCells(context, types, {cell - 1, cell - 2}) + tail;
    return AtPlacer(context, code, cell, message);
  }
  if (code == kErrorReductionWindow) {
    std::string message = "no room for a code reduction in front of " + SlowdownAt(context, cell);
    // The window that failed has three cells taken by the descriptions'
    // objects (a reduction the pass placed there would mean it succeeded).
    static constexpr int64_t kWindows[3][2] = {{5, 7}, {11, 13}, {18, 20}};
    for (const auto& window : kWindows) {
      const int64_t nearest = cell - window[0];
      const int64_t farthest = cell - window[1];
      if (cell <= window[1]) continue;
      bool failed = true;
      for (int64_t c = nearest; c >= farthest; --c) {
        const uint8_t type = TypeIn(types, c);
        const bool by_pass = type == kCodeReduction && context.recorder.PlacedBy(c) == nullptr;
        if (type == kEmpty || type == kTunnelMarker || by_pass) failed = false;
      }
      if (failed) {
        message += ": the window of cells " + std::to_string(nearest) + " to " +
                   std::to_string(farthest) + " is full, " +
                   ListCells(context, types, {nearest, nearest - 1, farthest}) + tail;
        return AtPlacer(context, code, cell, message);
      }
    }
    message += ": one of its three windows (5 to 7, 11 to 13 and 18 to 20 cells before it) is full";
    message += tail;
    return AtPlacer(context, code, cell, message);
  }
  // 13: the spacing walk of a slow slowdown, or the reduction after its end.
  const int64_t start = FindBackward(types, cell - 1, kSlowdownStart);
  std::string message;
  if (cell == context.state.grid.last_index() &&
      FindForward(types, start + 1, cell, kSlowdownEnd) < 0) {
    message = SlowdownAt(context, start) + " has no end board before the last cell of the grid, " +
              CellWord(cell);
  } else {
    message = "no room for a code reduction around " + CellWord(cell) + " of the slow slowdown " +
              "(below 110 km/h) that starts with " + SlowdownAt(context, start) + ": " +
              ListCells(context, types, {cell - 1, cell, cell + 1}) +
              "; reductions go every 8 cells inside it and in front of the first signal after "
              "its end";
  }
  return AtPlacer(context, code, start, message + tail);
}

Diagnostic FatalError(const DiagnosticContext& context, int32_t number) {
  const Cell& cell1 = context.state.grid.at(1);
  const std::vector<uint8_t> types = CellTypes(context.state.grid);
  const bool value_a = number == kFatalMarksTaken;
  const int16_t value = value_a ? cell1.value_a : cell1.value_b;
  std::string message =
      "the packager would stop here with \" Errore n. " + std::to_string(number) + "\": ";
  if (value != 0) {
    message += std::string("cell 1's ") + (value_a ? "value_a" : "value_b") + " is already " +
               std::to_string(value) + ": cell 1 holds " +
               DescribeOccupant(context.recorder, types, 1, nullptr) +
               ", and the stamp step keeps that field for " +
               (value_a ? "the format mark 5121" : "the plain check code") +
               "; no object may stand in cell 1 (a signal or a board within 25 m of the start, a "
               "code reduction from 25 to 75 m)";
  } else {
    message += std::string("the route row's ") + (value_a ? "first_d2" : "scheduled_time") +
               " is already set, and the stamp step keeps it for " +
               (value_a ? "the format mark 610" : "the weighted check code");
  }
  message += "; no binary file is written";
  Diagnostic diagnostic = AtPlacer(context, number, 1, message);
  diagnostic.fatal = true;
  return diagnostic;
}

}  // namespace scenario
