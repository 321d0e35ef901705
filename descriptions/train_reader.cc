// The train description reader: the search for the body, the record loop and
// the finish steps. The records themselves are read in train_records.cc and
// train_stop_record.cc.
#include "descriptions/train_reader.h"

#include <string>

#include "app/error_codes.h"
#include "descriptions/keywords.h"
#include "descriptions/read_observer.h"
#include "descriptions/train_reading.h"
#include "grid/cell_fields.h"
#include "grid/profile_fill.h"

namespace scenario {

void TrainReading::WriteSpeedLimit(Cell& cell) const {
  const int64_t units = PackSpeedLimit(pending_speed);
  if (units < 0 || units > 255) {
    throw DescriptionFailure("the speed limit " + std::to_string(pending_speed) +
                                 " km/h does not fit a byte in units of 5 km/h",
                             pending_speed_record);
  }
  cell.speed_limit = static_cast<uint8_t>(units);
}

namespace {

// Everything up to and including the first field holding "[generale]" is
// skipped. The first read finds an empty text already at its end, which is
// the common failure path.
void FindBody(TrainReading& reading) {
  for (;;) {
    reading.ReadKeywordField();
    if (ContainsAnyCase(reading.field, kGeneralHeader)) return;
    reading.state.observer->OnPreambleField(Description::kTrain, reading.field, reading.keyword);
    if (reading.stream.AtEnd()) return;
  }
}

// The field that reached the end of the data is not examined; an authoring
// tool may want to know that it held a keyword. Always false.
bool LastFieldIgnored(const TrainReading& reading) {
  reading.IgnoreLastField(KeywordScope::kTrainBody);
  return false;
}

// The next keyword field, passing over at most two comment
// fields. False when the text ends; the field of the read that reaches the
// end is not examined.
bool NextKeywordField(TrainReading& reading) {
  if (reading.stream.AtEnd()) return false;
  reading.ReadKeywordField();
  if (reading.stream.AtEnd()) return LastFieldIgnored(reading);
  for (int comments = 0; comments < 2 && ContainsExact(reading.field, kCommentMark); ++comments) {
    reading.PassComment(KeywordScope::kTrainBody);
    if (reading.stream.AtEnd()) return LastFieldIgnored(reading);
  }
  return true;
}

ReadOutcome ReadRecords(TrainReading& reading) {
  while (NextKeywordField(reading)) {
    reading.Examine(KeywordScope::kTrainBody);
    ReadOutcome outcome = ReadGeneralAndObjectRecords(reading);
    if (outcome == ReadOutcome::kContinue && Holds(reading.field, kStopKeyword)) {
      outcome = ReadStop(reading);
    }
    if (outcome != ReadOutcome::kContinue) return outcome;
  }
  return ReadOutcome::kClose;
}

// The profiles run on to cell N - 3 with their last values (at least one
// cell each), then the chainage rows of the line description are checked.
void Finish(TrainReading& reading) {
  GeneratorState& state = reading.state;
  reading.source.DeleteTrain();
  FillProfileToEnd(state.grid, reading.speed_cursor,
                   [&reading](Cell& cell) { reading.WriteSpeedLimit(cell); });
  FillProfileToEnd(state.grid, reading.adhesion_cursor,
                   [&reading](Cell& cell) { reading.WriteAdhesion(cell); });
  for (int row : {kChainageRow3, kChainageRow2, kChainageRow1}) {
    if (state.scenario[row].span_start % 50 != 0 || state.scenario[row].span_end % 50 != 0) {
      // The chainage rows come from the line description; no train record
      // is to blame.
      state.SetError(kErrorChainage);
      state.observer->OnError(Description::kLine, kErrorChainage, TextPosition{});
      break;
    }
  }
}

}  // namespace

void ReadTrainDescription(GeneratorState& state, DescriptionSource& source) {
  std::string storage;
  std::string_view text;
  if (!source.ViewTrain(&storage, &text).ok()) {
    throw DescriptionFailure("the " + source.TrainName() + " cannot be opened", TextPosition{});
  }
  TrainReading reading(state, source, text);
  FindBody(reading);
  if (ReadRecords(reading) == ReadOutcome::kStop) return;
  Finish(reading);
}

}  // namespace scenario
