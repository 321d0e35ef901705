// The working state of one reading of the train description, shared by the
// pieces of the train reader (record loop, profile and object records, stop
// records).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/generator_state.h"
#include "descriptions/description_source.h"
#include "descriptions/field_stream.h"

namespace scenario {

// How a record, or the whole reading, ended.
enum class TrainOutcome {
  kContinue,  // go on with the next record test
  kFinish,    // the end of the text or an error 15: the finish steps run
  kStop,      // an error code ends the reading; the text is already deleted
};

struct TrainReading {
  TrainReading(GeneratorState& s, DescriptionSource& src, std::string_view text)
      : state(s), source(src), stream(text) {}

  GeneratorState& state;
  DescriptionSource& source;
  FieldStream stream;

  // The keyword field being interpreted and where it stands.
  std::string field;
  TextPosition keyword;

  int32_t next_stop_row = 1;
  int64_t speed_cursor = 0;
  int32_t pending_speed = 0;
  TextPosition pending_speed_record;  // where the pending speed limit was read
  int64_t adhesion_cursor = 0;
  int32_t pending_adhesion = 0;

  // Reads the next field as a keyword field (it becomes the current field).
  void ReadKeywordField();
  // Tells the observer that a record begins at the current keyword field.
  void Record(std::string_view kind) const;
  // Stores an error code (and position) and tells the observer.
  void Error(int32_t code);
  void Error(int32_t code, int32_t position);
  // Deletes the text, stores the code and ends the reading.
  TrainOutcome Stop(int32_t code);
  TrainOutcome Stop(int32_t code, int32_t position);
  // Error 15 for a record at this position: the finish steps run.
  TrainOutcome Beyond(int32_t position);
  // A failure of the common path (code 25) at the current keyword field.
  [[noreturn]] void Throw(const std::string& reason) const;

  // speed_limit of a cell: the pending limit in units of 5 km/h, which must
  // fit a byte.
  void WriteSpeedLimit(int64_t cell);
  void WriteAdhesion(int64_t cell);
};

// Record tests 1 to 9 on the current keyword field, in their order.
TrainOutcome ReadGeneralAndObjectRecords(TrainReading& reading);
// Record test 10: a stop.
TrainOutcome ReadStop(TrainReading& reading);

}  // namespace scenario
