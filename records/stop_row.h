// A stop row's derived columns, packed and unpacked side by side: the stop
// zone that the train reader lays around the position from the kind, the
// stop length and mar, and the scheduled time from hours, minutes, seconds.
#pragma once

#include <cstdint>

#include "records/scenario_table.h"

namespace scenario {

struct StopZone {
  int64_t start = 0;
  int64_t end = 0;
};

// Kinds 5 and 6 reach the stop length behind and 150 m ahead, 7 and 8 the
// stop length both ways, the others half of it both ways and 50 m more
// ahead when mar is not 0. Stop lengths are multiples of 100, so the halves
// are whole.
inline bool StopReachesLengthBehind(uint8_t kind) { return kind >= 5 && kind <= 8; }
inline StopZone PackStopZone(uint8_t kind, int64_t position, int64_t length, bool mar) {
  if (kind == 5 || kind == 6) return {position - length, position + 150};
  if (kind == 7 || kind == 8) return {position - length, position + length};
  return {position - length / 2, position + length / 2 + (mar ? 50 : 0)};
}

// The stop length the zone was laid with, read from its start.
inline int64_t StopLengthOf(const ScenarioRow& row) {
  const int64_t behind = int64_t{row.position} - row.span_start;
  return StopReachesLengthBehind(row.kind) ? behind : 2 * behind;
}
// Whether the zone carries the 50 m that a non-zero mar adds: the row keeps
// mar 0 for the first stop, so the zone is the only witness there.
inline bool StopZoneLengthenedByMar(const ScenarioRow& row) {
  if (StopReachesLengthBehind(row.kind)) return false;
  return int64_t{row.span_end} - row.position == StopLengthOf(row) / 2 + 50;
}

inline int64_t PackScheduledTime(int64_t hours, int64_t minutes, int64_t seconds) {
  return (hours * 60 + minutes) * 60 + seconds;
}
struct StopClock {
  int64_t hours = 0;
  int64_t minutes = 0;  // 0 .. 59
  int64_t seconds = 0;  // 0 .. 59
};
// Rounds down, so a negative time comes apart into a negative hour and a
// minute and second in 0 .. 59 that pack back to it.
inline StopClock UnpackScheduledTime(int32_t scheduled_time) {
  auto floor_div = [](int64_t value, int64_t by) {
    const int64_t q = value / by;
    return (value % by != 0 && value < 0) ? q - 1 : q;
  };
  const int64_t t = scheduled_time;
  const int64_t total_minutes = floor_div(t, 60);
  const int64_t hours = floor_div(total_minutes, 60);
  return {hours, total_minutes - hours * 60, t - total_minutes * 60};
}

}  // namespace scenario
