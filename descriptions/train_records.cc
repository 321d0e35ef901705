// The record tests of the train description before the stop's: the train's
// own values, the
// speed-limit and adhesion profiles, signals, slowdowns and code reductions.
// Every test runs on the same keyword field, so a field that matches several
// reads several records, each with its own value fields.
#include <string>

#include "app/error_codes.h"
#include "descriptions/keywords.h"
#include "descriptions/read_observer.h"
#include "descriptions/train_reading.h"
#include "grid/cell_writers.h"
#include "grid/profile_fill.h"
#include "grid/rounding.h"
#include "grid/signal_and_slowdown_cells.h"

namespace scenario {

namespace {

constexpr int64_t kRecordMargin = 100;

bool Has(const TrainReading& reading, const RecordKeyword& keyword) {
  return Holds(reading.field, keyword);
}

ReadOutcome ReadSpeedLimit(TrainReading& reading) {
  reading.Record(kSpeedLimitKeyword.kind);
  const int32_t position = reading.Int32();
  const int32_t limit = reading.Int32();
  if (!reading.state.grid.PositionFits(position, kRecordMargin)) return reading.Beyond(position);
  FillProfileTo(reading.state.grid, reading.speed_cursor, RoundDiv(position, 50),
                [&reading](Cell& cell) { reading.WriteSpeedLimit(cell); });
  reading.pending_speed = limit;
  reading.pending_speed_record = reading.keyword;
  return ReadOutcome::kContinue;
}

ReadOutcome ReadAdhesion(TrainReading& reading) {
  reading.Record(kAdhesionKeyword.kind);
  const int32_t position = reading.Int32();
  const int32_t value = reading.Int32();
  if (!reading.state.grid.PositionFits(position, kRecordMargin)) return reading.Beyond(position);
  FillProfileTo(reading.state.grid, reading.adhesion_cursor, RoundDiv(position, 50),
                [&reading](Cell& cell) { reading.WriteAdhesion(cell); });
  reading.pending_adhesion = value;
  return ReadOutcome::kContinue;
}

ReadOutcome ReadSignal(TrainReading& reading) {
  reading.Record(kSignalKeyword.kind);
  const int32_t position = reading.Int32();
  int32_t sx = reading.Int32(), s1 = reading.Int32(), s2 = reading.Int32(), s3 = reading.Int32();
  int32_t rapp = reading.Int32(), dx = reading.Int32(), d1 = reading.Int32(), d2 = reading.Int32();
  int32_t d3 = reading.Int32(), tempo = reading.Int32();
  GeneratorState& state = reading.state;
  // A signal before the start of the grid is refused like one beyond its end.
  if (!state.grid.PositionFits(position, kRecordMargin) ||
      !state.grid.Contains(SignalCell(position))) {
    return reading.Beyond(position);
  }
  memo_segnale(state, position, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo);
  // Only the code is looked at: an error 15 left by the line reader ends the
  // reading here too.
  if (state.error_code > 0) return reading.Stop(state.error_code, position);
  return ReadOutcome::kContinue;
}

ReadOutcome ReadSlowdown(TrainReading& reading) {
  reading.Record(kSlowdownKeyword.kind);
  int32_t x = reading.Int32(), v = reading.Int32(), l = reading.Int32();
  int32_t f_tt = reading.Int32(), f_ta = reading.Int32(), d_v = reading.Int32();
  GeneratorState& state = reading.state;
  if (!state.grid.PositionFits(x, kRecordMargin) || !SlowdownCellsInGrid(state.grid, x, l)) {
    return reading.Beyond(x);
  }
  memo_rallentamento(state, x, v, l, f_tt, f_ta, d_v);
  if (state.error_code > 0) return reading.Stop(state.error_code, x);
  return ReadOutcome::kContinue;
}

ReadOutcome ReadCodeReduction(TrainReading& reading) {
  reading.Record(kCodeReductionKeyword.kind);
  const int32_t position = reading.Int32();
  const int32_t code = reading.Int32();
  GeneratorState& state = reading.state;
  const int64_t k = RoundDiv(position, 50);
  if (!state.grid.PositionFits(position, kRecordMargin) || !state.grid.Contains(k)) {
    return reading.Beyond(position);
  }
  if (!state.grid.IsFree(k)) return reading.Stop(kErrorCodeReductionCell, position);
  PlaceCodeReduction(state, k, code);
  return ReadOutcome::kContinue;
}

}  // namespace

ReadOutcome ReadGeneralAndObjectRecords(TrainReading& reading) {
  GeneratorState& state = reading.state;
  if (Has(reading, kBrakedMassKeyword)) {
    reading.Record(kBrakedMassKeyword.kind);
    state.scenario[kRunRow].span_start = reading.Int32();
  }
  if (Has(reading, kCarriagesKeyword)) {
    reading.Record(kCarriagesKeyword.kind);
    state.scenario[kRunRow].position = reading.Int32();
  }
  ReadOutcome outcome = ReadOutcome::kContinue;
  if (Has(reading, kSpeedLimitKeyword)) outcome = ReadSpeedLimit(reading);
  if (outcome != ReadOutcome::kContinue) return outcome;
  if (Has(reading, kAdhesionKeyword)) outcome = ReadAdhesion(reading);
  if (outcome != ReadOutcome::kContinue) return outcome;
  if (Has(reading, kClockKeyword)) {
    reading.Record(kClockKeyword.kind);
    state.scenario[kTrainRow].second_d1 = reading.Int16();
    state.scenario[kTrainRow].second_d2 = reading.Int16();
    state.scenario[kTrainRow].second_d3 = reading.Int16();
  }
  if (Has(reading, kSandKeyword)) {
    reading.Record(kSandKeyword.kind);
    state.scenario[kTrainRow].first_d2 = reading.Int16();
  }
  if (Has(reading, kSignalKeyword)) outcome = ReadSignal(reading);
  if (outcome != ReadOutcome::kContinue) return outcome;
  if (Has(reading, kSlowdownKeyword)) outcome = ReadSlowdown(reading);
  if (outcome != ReadOutcome::kContinue) return outcome;
  if (Has(reading, kCodeReductionKeyword)) outcome = ReadCodeReduction(reading);
  return outcome;
}

}  // namespace scenario
