// The working state of one reading of the train description, shared by the
// pieces of the train reader (record loop, profile and object records, stop
// records).
#pragma once

#include <cstdint>
#include <string_view>

#include "descriptions/description_reading.h"

namespace scenario {

struct TrainReading : DescriptionReading {
  TrainReading(GeneratorState& s, DescriptionSource& src, std::string_view text)
      : DescriptionReading(s, src, text, Description::kTrain) {}

  int32_t next_stop_row = 1;
  int64_t speed_cursor = 0;
  int32_t pending_speed = 0;
  TextPosition pending_speed_record;  // where the pending speed limit was read
  int64_t adhesion_cursor = 0;
  int32_t pending_adhesion = 0;

  // speed_limit of a cell: the pending limit in units of 5 km/h, which must
  // fit a byte.
  void WriteSpeedLimit(Cell& cell) const;
  void WriteAdhesion(Cell& cell) const { cell.adhesion = Low8(pending_adhesion); }
};

// Every record test but the stop's on the current keyword field, in their
// order.
ReadOutcome ReadGeneralAndObjectRecords(TrainReading& reading);
// The last record test: a stop.
ReadOutcome ReadStop(TrainReading& reading);

}  // namespace scenario
