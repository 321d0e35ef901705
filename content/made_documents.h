// The three printable documents made for a scenario whose author gave none,
// in the carried documents' layouts, from what the descriptions say. The
// texts are bytes of the code page, as the descriptions' names are.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "content/documents.h"

namespace scenario {

// A stop record as read: where it stands, its name, its scheduled time in
// seconds since midnight (0: none given) and its `ac` value, the seconds it
// stands at the platform before that time.
struct MadeStop {
  int64_t position = 0;
  int64_t chainage = 0;  // m
  std::string name;
  int64_t scheduled_time = 0;
  int64_t dwell = 0;
};

// A speed-limit record: from its position on, the limit in km/h.
struct MadeSpeedLimit {
  int64_t position = 0;
  int64_t chainage = 0;
  int64_t limit = 0;
};

// A slowdown record: its start, its length and its speed.
struct MadeSlowdown {
  int64_t start_chainage = 0;
  int64_t length = 0;
  int64_t speed = 0;
};

struct DocumentFacts {
  std::string route_name;
  std::string train_number;
  int64_t route_length = 0;  // m
  int64_t braked_mass = 0;   // %
  std::vector<MadeStop> stops;               // in reading order
  std::vector<MadeSpeedLimit> speed_limits;  // in reading order
  std::vector<MadeSlowdown> slowdowns;       // in reading order
};

// Each ends with the end marker, as the carried documents do.
LineBuffer MadeSlowdownsNotice(const DocumentFacts& facts);
LineBuffer MadeTimetableSheet(const DocumentFacts& facts);
LineBuffer MadeNotes(const DocumentFacts& facts);

// "31.950", "0.650", "-1.250": metres as kilometres with three decimals.
std::string Kilometres(int64_t metres);
// "13.54": hours and minutes, to the nearest minute.
std::string ClockTime(int64_t seconds);

}  // namespace scenario
