// The train description reader: the search for the body, the record loop and
// the finish steps. The records themselves are read in train_records.cc and
// train_stop_record.cc.
#include "descriptions/train_reader.h"

#include <string>

#include "app/error_codes.h"
#include "descriptions/read_observer.h"
#include "descriptions/train_reading.h"
#include "grid/rounding.h"

namespace scenario {

void TrainReading::ReadKeywordField() {
  field = stream.ReadField();
  keyword = stream.last_position();
  state.current_field = field;
}

void TrainReading::Record(std::string_view kind) const {
  if (state.observer != nullptr) state.observer->OnRecord(Description::kTrain, kind, keyword);
}

void TrainReading::Error(int32_t code) {
  state.SetError(code);
  if (state.observer != nullptr) state.observer->OnError(Description::kTrain, code, keyword);
}

void TrainReading::Error(int32_t code, int32_t position) {
  state.SetError(code, position);
  if (state.observer != nullptr) state.observer->OnError(Description::kTrain, code, keyword);
}

TrainOutcome TrainReading::Stop(int32_t code) {
  source.DeleteTrain();
  Error(code);
  return TrainOutcome::kStop;
}

TrainOutcome TrainReading::Stop(int32_t code, int32_t position) {
  source.DeleteTrain();
  Error(code, position);
  return TrainOutcome::kStop;
}

TrainOutcome TrainReading::Beyond(int32_t position) {
  Error(kErrorBeyondGrid, position);
  return TrainOutcome::kFinish;
}

void TrainReading::Throw(const std::string& reason) const { throw DescriptionFailure(reason, keyword); }

void TrainReading::WriteSpeedLimit(int64_t cell) {
  const int64_t units = RoundDiv(pending_speed, 5);
  if (units < 0 || units > 255) {
    throw DescriptionFailure("the speed limit " + std::to_string(pending_speed) +
                                 " km/h does not fit a byte in units of 5 km/h",
                             pending_speed_record);
  }
  state.grid.at(cell).speed_limit = static_cast<uint8_t>(units);
}

void TrainReading::WriteAdhesion(int64_t cell) {
  state.grid.at(cell).adhesion = Low8(pending_adhesion);
}

namespace {

// Everything up to and including the first field holding "[generale]" is
// skipped. The first read finds an empty text already at its end, which is
// the common failure path.
void FindBody(TrainReading& reading) {
  do {
    reading.ReadKeywordField();
  } while (!reading.stream.AtEnd() && !ContainsAnyCase(reading.field, "[generale]"));
}

// The field that reached the end of the data is not examined; an authoring
// tool may want to know that it held a keyword. Always false.
bool LastFieldIgnored(const TrainReading& reading) {
  if (reading.state.observer != nullptr) {
    reading.state.observer->OnLastFieldIgnored(KeywordScope::kTrainBody, reading.field,
                                               reading.keyword);
  }
  return false;
}

// Steps 4.1 to 4.3: the next keyword field, passing over at most two comment
// fields. False when the text ends; the field of the read that reaches the
// end is not examined.
bool NextKeywordField(TrainReading& reading) {
  if (reading.stream.AtEnd()) return false;
  reading.ReadKeywordField();
  if (reading.stream.AtEnd()) return LastFieldIgnored(reading);
  for (int comments = 0; comments < 2 && ContainsAnyCase(reading.field, "-"); ++comments) {
    reading.ReadKeywordField();
    if (reading.stream.AtEnd()) return LastFieldIgnored(reading);
  }
  return true;
}

TrainOutcome ReadRecords(TrainReading& reading) {
  while (NextKeywordField(reading)) {
    if (reading.state.observer != nullptr) {
      reading.state.observer->OnKeywordField(KeywordScope::kTrainBody, reading.field,
                                             reading.keyword);
    }
    TrainOutcome outcome = ReadGeneralAndObjectRecords(reading);
    if (outcome == TrainOutcome::kContinue && ContainsAnyCase(reading.field, "stazione")) {
      outcome = ReadStop(reading);
    }
    if (outcome != TrainOutcome::kContinue) return outcome;
  }
  return TrainOutcome::kFinish;
}

// The profiles run on to cell N - 3 with their last values (at least one
// cell each), then the chainage rows of the line description are checked.
void Finish(TrainReading& reading) {
  GeneratorState& state = reading.state;
  reading.source.DeleteTrain();
  const int64_t last = state.grid.last_index();
  do {
    if (!state.grid.Contains(reading.speed_cursor)) break;
    reading.WriteSpeedLimit(reading.speed_cursor);
    ++reading.speed_cursor;
  } while (reading.speed_cursor < last - 2);
  do {
    if (!state.grid.Contains(reading.adhesion_cursor)) break;
    reading.WriteAdhesion(reading.adhesion_cursor);
    ++reading.adhesion_cursor;
  } while (reading.adhesion_cursor < last - 2);
  for (int row : {kChainageRow3, kChainageRow2, kChainageRow1}) {
    if (state.scenario[row].span_start % 50 != 0 || state.scenario[row].span_end % 50 != 0) {
      // The chainage rows come from the line description; no train record
      // is to blame.
      state.SetError(kErrorChainage);
      if (state.observer != nullptr) {
        state.observer->OnError(Description::kLine, kErrorChainage, TextPosition{});
      }
      break;
    }
  }
}

}  // namespace

void ReadTrainDescription(GeneratorState& state, DescriptionSource& source) {
  std::string text;
  if (!source.OpenTrain(&text).ok()) {
    throw DescriptionFailure("the " + source.TrainName() + " cannot be opened", TextPosition{});
  }
  TrainReading reading(state, source, text);
  FindBody(reading);
  if (ReadRecords(reading) == TrainOutcome::kStop) return;
  Finish(reading);
}

}  // namespace scenario
