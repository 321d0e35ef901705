// The data sections of the line description: gradients, curves, tunnels,
// speed boards and sign boards, recognised by keyword wherever they stand.
// Every test runs on the same keyword field, in this order.
#include <string>

#include "app/error_codes.h"
#include "descriptions/line_reading.h"
#include "grid/cell_writers.h"
#include "grid/rounding.h"

namespace scenario {

namespace {

// Positions are guarded with this margin against the end of the grid.
constexpr int64_t kGuardMargin = 100;
// Runs of comment fields longer than this are cut: the next one is a keyword.
constexpr int kDataCommentRun = 2;

// The cell of an object at a route position: round(p / 50 + 1).
int64_t ObjectCell(int32_t position) { return RoundDiv(int64_t{position} + 50, 50); }

LineOutcome ReadGradient(LineReading& reading) {
  if (!ContainsAnyCase(reading.field, "pendenza")) return LineOutcome::kContinue;
  reading.Record("gradient");
  const int32_t position = reading.Number();
  const int32_t gradient = reading.Number();
  TrackGrid& grid = reading.state.grid;
  if (!grid.PositionFits(position, kGuardMargin)) return reading.Beyond(position);
  // The pending gradient runs up to the cell before this record's cell; it is
  // written at least once, so a record behind the cursor still moves it on.
  const int64_t cell = RoundDiv(position, 50);
  if (cell > 0) {
    do {
      if (reading.gradient_cursor >= grid.last_index()) break;
      grid.at(reading.gradient_cursor).gradient = Low8(int64_t{reading.pending_gradient} + 100);
      ++reading.gradient_cursor;
    } while (reading.gradient_cursor < cell);
  }
  reading.pending_gradient = gradient;
  return LineOutcome::kContinue;
}

LineOutcome ReadTunnel(LineReading& reading) {
  if (!ContainsAnyCase(reading.field, "montagna")) return LineOutcome::kContinue;
  reading.Record("tunnel");
  int32_t inizio = reading.Number();
  int32_t fine = reading.Number();
  int32_t tipo = reading.Number();
  GeneratorState& state = reading.state;
  if (!state.grid.PositionFits(inizio, kGuardMargin)) return reading.Beyond(inizio);
  const int32_t position = inizio;
  memo_montagna(state, inizio, fine, tipo);
  if (state.error_code > 0) return reading.Fail(state.error_code, position);
  return LineOutcome::kContinue;
}

LineOutcome ReadSpeedBoards(LineReading& reading) {
  if (!ContainsAnyCase(reading.field, "indicatori_v")) return LineOutcome::kContinue;
  reading.Record("speed boards");
  const int32_t posizione = reading.Number();
  int32_t vas = reading.Number();
  int32_t vbs = reading.Number();
  int32_t vcs = reading.Number();
  int32_t strisces = reading.Number();
  int32_t vad = reading.Number();
  int32_t vbd = reading.Number();
  int32_t vcd = reading.Number();
  int32_t strisced = reading.Number();
  GeneratorState& state = reading.state;
  if (!state.grid.PositionFits(posizione, kGuardMargin)) return reading.Beyond(posizione);
  if (!state.grid.Contains(ObjectCell(posizione))) return reading.Beyond(posizione);
  try {
    memo_indicatori_v_max(state, posizione, vas, vbs, vcs, strisces, vad, vbd, vcd, strisced);
  } catch (const DescriptionFailure& failure) {
    // The writer knows no text positions: the record's keyword stands for it.
    reading.Throw(failure.what());
  }
  if (state.error_code > 0) return reading.Fail(state.error_code, posizione);
  return LineOutcome::kContinue;
}

LineOutcome ReadSignBoard(LineReading& reading) {
  if (!ContainsAnyCase(reading.field, "indicat") || !ContainsAnyCase(reading.field, "cartello")) {
    return LineOutcome::kContinue;
  }
  reading.Record("sign board");
  GeneratorState& state = reading.state;
  const int32_t position = reading.Number();
  // The sign text is read into the current field.
  state.current_field = reading.Text();
  if (!state.grid.PositionFits(position, kGuardMargin)) return reading.Beyond(position);
  const int64_t cell = ObjectCell(position);
  if (!state.grid.Contains(cell)) return reading.Beyond(position);
  if (!state.grid.IsFree(cell)) return reading.Fail(kErrorSignBoardCell, position);
  // Sign rows run from 80 downward and may not go below row 1.
  if (state.board_row_cursor < 1) reading.Throw("more than 80 sign boards");
  Cell& board = state.grid.at(cell);
  board.cell_type = kSignBoard;
  if (state.observer != nullptr) state.observer->OnPlace(cell, kSignBoard);
  board.value_a = Low16(state.board_row_cursor);
  state.scenario[state.board_row_cursor].name = state.current_field;
  --state.board_row_cursor;
  return LineOutcome::kContinue;
}

LineOutcome LastFieldIgnored(const LineReading& reading) {
  reading.IgnoreLastField(KeywordScope::kLineData);
  return LineOutcome::kClose;
}

}  // namespace

LineOutcome ReadDataSections(LineReading& reading) {
  using Step = LineOutcome (*)(LineReading&);
  static constexpr Step kRecords[] = {ReadGradient, ReadCurve, ReadTunnel, ReadSpeedBoards,
                                      ReadSignBoard};
  for (;;) {
    if (reading.stream.AtEnd()) return LineOutcome::kClose;
    reading.ReadKeywordField();
    // The last field of the text is not interpreted.
    if (reading.stream.AtEnd()) return LastFieldIgnored(reading);
    for (int i = 0; i < kDataCommentRun; ++i) {
      if (!ContainsExact(reading.field, "-")) break;
      reading.ReadKeywordField();
      if (reading.stream.AtEnd()) return LastFieldIgnored(reading);
    }
    reading.Examine(KeywordScope::kLineData);
    for (Step step : kRecords) {
      const LineOutcome outcome = step(reading);
      if (outcome != LineOutcome::kContinue) return outcome;
    }
  }
}

}  // namespace scenario
