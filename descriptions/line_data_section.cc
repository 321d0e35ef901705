// The data sections of the line description: gradients, curves, tunnels,
// speed boards and sign boards, recognised by keyword wherever they stand.
// Every test runs on the same keyword field, in this order.
#include <string>

#include "app/error_codes.h"
#include "descriptions/keywords.h"
#include "descriptions/line_reading.h"
#include "grid/cell_writers.h"
#include "grid/profile_fill.h"
#include "grid/rounding.h"

namespace scenario {

namespace {

// Positions are guarded with this margin against the end of the grid.
constexpr int64_t kGuardMargin = 100;
// Runs of comment fields longer than this are cut: the next one is a keyword.
constexpr int kDataCommentRun = 2;

// The cell of an object at a route position: round(p / 50 + 1).
int64_t ObjectCell(int32_t position) { return RoundDiv(int64_t{position} + 50, 50); }

ReadOutcome ReadGradient(LineReading& reading) {
  if (!Holds(reading.field, kGradientKeyword)) return ReadOutcome::kContinue;
  reading.Record(kGradientKeyword.kind);
  const int32_t position = reading.Int32();
  const int32_t gradient = reading.Int32();
  TrackGrid& grid = reading.state.grid;
  if (!grid.PositionFits(position, kGuardMargin)) return reading.Beyond(position);
  FillProfileTo(grid, reading.gradient_cursor, RoundDiv(position, 50),
                [&reading](Cell& cell) { reading.WriteGradient(cell); });
  reading.pending_gradient = gradient;
  return ReadOutcome::kContinue;
}

ReadOutcome ReadTunnel(LineReading& reading) {
  if (!Holds(reading.field, kTunnelKeyword)) return ReadOutcome::kContinue;
  reading.Record(kTunnelKeyword.kind);
  int32_t start = reading.Int32();
  int32_t end = reading.Int32();
  int32_t kind = reading.Int32();
  GeneratorState& state = reading.state;
  if (!state.grid.PositionFits(start, kGuardMargin)) return reading.Beyond(start);
  // The writer takes its values by reference; the error position is the
  // start as read.
  const int32_t position = start;
  memo_montagna(state, start, end, kind);
  if (state.error_code > 0) return reading.Stop(state.error_code, position);
  return ReadOutcome::kContinue;
}

ReadOutcome ReadSpeedBoards(LineReading& reading) {
  if (!Holds(reading.field, kSpeedBoardsKeyword)) return ReadOutcome::kContinue;
  reading.Record(kSpeedBoardsKeyword.kind);
  const int32_t position = reading.Int32();
  int32_t vas = reading.Int32();
  int32_t vbs = reading.Int32();
  int32_t vcs = reading.Int32();
  int32_t strisces = reading.Int32();
  int32_t vad = reading.Int32();
  int32_t vbd = reading.Int32();
  int32_t vcd = reading.Int32();
  int32_t strisced = reading.Int32();
  GeneratorState& state = reading.state;
  if (!state.grid.PositionFits(position, kGuardMargin)) return reading.Beyond(position);
  if (!state.grid.Contains(ObjectCell(position))) return reading.Beyond(position);
  try {
    memo_indicatori_v_max(state, position, vas, vbs, vcs, strisces, vad, vbd, vcd, strisced);
  } catch (const DescriptionFailure& failure) {
    // The writer knows no text positions: the record's keyword stands for it.
    reading.Throw(failure.what());
  }
  if (state.error_code > 0) return reading.Stop(state.error_code, position);
  return ReadOutcome::kContinue;
}

ReadOutcome ReadSignBoard(LineReading& reading) {
  if (!Holds(reading.field, kSignBoardKeyword)) return ReadOutcome::kContinue;
  reading.Record(kSignBoardKeyword.kind);
  GeneratorState& state = reading.state;
  const int32_t position = reading.Int32();
  // The sign text is read into the current field.
  state.current_field = reading.Text();
  if (!state.grid.PositionFits(position, kGuardMargin)) return reading.Beyond(position);
  const int64_t cell = ObjectCell(position);
  if (!state.grid.Contains(cell)) return reading.Beyond(position);
  if (!state.grid.IsFree(cell)) return reading.Stop(kErrorSignBoardCell, position);
  // Sign rows run from 80 downward and may not go below row 1.
  if (state.board_row_cursor < 1) reading.Throw("more than 80 sign boards");
  PlaceSignBoard(state, cell, state.board_row_cursor);
  state.scenario[state.board_row_cursor].name = state.current_field;
  --state.board_row_cursor;
  return ReadOutcome::kContinue;
}

ReadOutcome LastFieldIgnored(const LineReading& reading) {
  reading.IgnoreLastField(KeywordScope::kLineData);
  return ReadOutcome::kClose;
}

}  // namespace

ReadOutcome ReadDataSections(LineReading& reading) {
  using Step = ReadOutcome (*)(LineReading&);
  static constexpr Step kRecords[] = {ReadGradient, ReadCurve, ReadTunnel, ReadSpeedBoards,
                                      ReadSignBoard};
  for (;;) {
    if (reading.stream.AtEnd()) return ReadOutcome::kClose;
    reading.ReadKeywordField();
    // The last field of the text is not interpreted.
    if (reading.stream.AtEnd()) return LastFieldIgnored(reading);
    for (int i = 0; i < kDataCommentRun; ++i) {
      if (!ContainsExact(reading.field, kCommentMark)) break;
      reading.PassComment(KeywordScope::kLineData);
      if (reading.stream.AtEnd()) return LastFieldIgnored(reading);
    }
    reading.Examine(KeywordScope::kLineData);
    for (Step step : kRecords) {
      const ReadOutcome outcome = step(reading);
      if (outcome != ReadOutcome::kContinue) return outcome;
    }
  }
}

}  // namespace scenario
