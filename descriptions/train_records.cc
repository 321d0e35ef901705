// Record tests 1 to 9 of the train description: the train's own values, the
// speed-limit and adhesion profiles, signals, slowdowns and code reductions.
// Every test runs on the same keyword field, so a field that matches several
// reads several records, each with its own value fields.
#include <string>

#include "app/error_codes.h"
#include "descriptions/read_observer.h"
#include "descriptions/train_reading.h"
#include "grid/cell_writers.h"
#include "grid/rounding.h"
#include "grid/signal_and_slowdown_cells.h"

namespace scenario {

namespace {

constexpr int64_t kRecordMargin = 100;

bool Has(const TrainReading& reading, std::string_view word) {
  return ContainsAnyCase(reading.field, word);
}

// A profile record at position p writes the pending value into the cells from
// the cursor up to, not including, cell round(p / 50): at least one cell when
// that cell is above 0, never at or beyond cell N.
template <typename Write>
void FillProfile(TrainReading& reading, int64_t& cursor, int32_t position, Write write) {
  const int64_t a = RoundDiv(position, 50);
  if (a <= 0) return;
  const int64_t last = reading.state.grid.last_index();
  do {
    if (cursor >= last) return;
    write(cursor);
    ++cursor;
  } while (cursor < a);
}

TrainOutcome ReadSpeedLimit(TrainReading& reading) {
  reading.Record("speed limit");
  ReportedValues in(reading.stream, reading.state.observer, Description::kTrain);
  const int32_t position = in.Int32();
  const int32_t limit = in.Int32();
  if (!reading.state.grid.PositionFits(position, kRecordMargin)) return reading.Beyond(position);
  FillProfile(reading, reading.speed_cursor, position,
              [&reading](int64_t cell) { reading.WriteSpeedLimit(cell); });
  reading.pending_speed = limit;
  reading.pending_speed_record = reading.keyword;
  return TrainOutcome::kContinue;
}

TrainOutcome ReadAdhesion(TrainReading& reading) {
  reading.Record("adhesion");
  ReportedValues in(reading.stream, reading.state.observer, Description::kTrain);
  const int32_t position = in.Int32();
  const int32_t value = in.Int32();
  if (!reading.state.grid.PositionFits(position, kRecordMargin)) return reading.Beyond(position);
  FillProfile(reading, reading.adhesion_cursor, position,
              [&reading](int64_t cell) { reading.WriteAdhesion(cell); });
  reading.pending_adhesion = value;
  return TrainOutcome::kContinue;
}

TrainOutcome ReadSignal(TrainReading& reading) {
  reading.Record("signal");
  ReportedValues in(reading.stream, reading.state.observer, Description::kTrain);
  int32_t posizione = in.Int32();
  int32_t sx = in.Int32(), s1 = in.Int32(), s2 = in.Int32(), s3 = in.Int32();
  int32_t rapp = in.Int32(), dx = in.Int32(), d1 = in.Int32(), d2 = in.Int32();
  int32_t d3 = in.Int32(), tempo = in.Int32();
  GeneratorState& state = reading.state;
  // A signal before the start of the grid is refused like one beyond its end.
  if (!state.grid.PositionFits(posizione, kRecordMargin) ||
      !state.grid.Contains(SignalCell(posizione))) {
    return reading.Beyond(posizione);
  }
  memo_segnale(state, posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo);
  // Only the code is looked at: an error 15 left by the line reader ends the
  // reading here too.
  if (state.error_code > 0) return reading.Stop(state.error_code, posizione);
  return TrainOutcome::kContinue;
}

TrainOutcome ReadSlowdown(TrainReading& reading) {
  reading.Record("slowdown");
  ReportedValues in(reading.stream, reading.state.observer, Description::kTrain);
  int32_t x = in.Int32(), v = in.Int32(), l = in.Int32();
  int32_t f_tt = in.Int32(), f_ta = in.Int32(), d_v = in.Int32();
  GeneratorState& state = reading.state;
  if (!state.grid.PositionFits(x, kRecordMargin) || !SlowdownCellsInGrid(state.grid, x, l, f_ta)) {
    return reading.Beyond(x);
  }
  memo_rallentamento(state, x, v, l, f_tt, f_ta, d_v);
  if (state.error_code > 0) return reading.Stop(state.error_code, x);
  return TrainOutcome::kContinue;
}

TrainOutcome ReadCodeReduction(TrainReading& reading) {
  reading.Record("code reduction");
  ReportedValues in(reading.stream, reading.state.observer, Description::kTrain);
  const int32_t position = in.Int32();
  const int32_t code = in.Int32();
  GeneratorState& state = reading.state;
  const int64_t k = RoundDiv(position, 50);
  if (!state.grid.PositionFits(position, kRecordMargin) || !state.grid.Contains(k)) {
    return reading.Beyond(position);
  }
  if (!state.grid.IsFree(k)) return reading.Stop(kErrorCodeReductionCell, position);
  Cell& cell = state.grid.at(k);
  if (code > 0) {
    cell.cell_type = kCodeReduction;
    cell.value_a = Low16(code);
  } else {
    cell.cell_type = kCodeZero;  // value_a stays as it was
  }
  if (state.observer != nullptr) state.observer->OnPlace(k, cell.cell_type);
  return TrainOutcome::kContinue;
}

}  // namespace

TrainOutcome ReadGeneralAndObjectRecords(TrainReading& reading) {
  GeneratorState& state = reading.state;
  ReportedValues in(reading.stream, reading.state.observer, Description::kTrain);
  if (Has(reading, "frenata") && Has(reading, "massa")) {
    reading.Record("braked mass");
    state.scenario[kRunRow].span_start = in.Int32();
  }
  if (Has(reading, "vetture")) {
    reading.Record("carriages");
    state.scenario[kRunRow].position = in.Int32();
  }
  TrainOutcome outcome = TrainOutcome::kContinue;
  if (Has(reading, "velocit")) outcome = ReadSpeedLimit(reading);
  if (outcome != TrainOutcome::kContinue) return outcome;
  if (Has(reading, "aderenza")) outcome = ReadAdhesion(reading);
  if (outcome != TrainOutcome::kContinue) return outcome;
  if (Has(reading, "orologio")) {
    reading.Record("clock");
    state.scenario[kTrainRow].second_d1 = in.Int16();
    state.scenario[kTrainRow].second_d2 = in.Int16();
    state.scenario[kTrainRow].second_d3 = in.Int16();
  }
  if (Has(reading, "sabbia")) {
    reading.Record("sand");
    state.scenario[kTrainRow].first_d2 = in.Int16();
  }
  if (Has(reading, "segnale")) outcome = ReadSignal(reading);
  if (outcome != TrainOutcome::kContinue) return outcome;
  if (Has(reading, "rallentamento")) outcome = ReadSlowdown(reading);
  if (outcome != TrainOutcome::kContinue) return outcome;
  if (Has(reading, "abbattimento")) outcome = ReadCodeReduction(reading);
  return outcome;
}

}  // namespace scenario
