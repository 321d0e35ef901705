// Warnings about single values against what their fields keep or mean:
// speed limits (kept in fives, one byte), slowdowns at 0 km/h, lengths of
// curves and slowdowns that are not above 0, times of day that are not a
// clock reading, and stops without a name.
#include <cstdio>
#include <string>

#include "grid/rounding.h"
#include "tools/diagnostics/warnings.h"

namespace scenario {

namespace {

// No line the simulator drives is signalled faster: a higher limit is a
// slip of a digit.
constexpr int64_t kHighestSpeedLimit = 300;

void SpeedLimits(const DiagnosticContext& context, WarningList* out) {
  for (const RecordRead* limit : context.recorder.RecordsOf("speed limit")) {
    const std::optional<int64_t> v = limit->Number(1);
    if (!v) continue;
    const int64_t kept = RoundDiv(*v, 5) * 5;
    if (*v < 0 || *v > kHighestSpeedLimit) {
      WarnAtValue(context, out, "speed-limit-range", *limit, 1, [&] {
        return "the speed limit " + std::to_string(*v) + " km/h lies outside 0 to " +
               std::to_string(kHighestSpeedLimit) + " km/h; the cells keep it as " +
               std::to_string(kept) + " km/h";
      });
    } else if (kept != *v) {
      WarnAtValue(context, out, "speed-limit-step", *limit, 1, [&] {
        return "the speed limit " + std::to_string(*v) +
               " km/h is not a multiple of 5: the cells keep it in units of 5 km/h, as " +
               std::to_string(kept) + " km/h; write " + std::to_string(kept);
      });
    }
  }
}

void Slowdowns(const DiagnosticContext& context, WarningList* out) {
  for (const RecordRead* slowdown : context.recorder.RecordsOf("slowdown")) {
    const std::optional<int64_t> x = slowdown->Number(0), v = slowdown->Number(1),
                                 l = slowdown->Number(2);
    if (v && *v <= 0) {
      WarnAtValue(context, out, "slowdown-speed", *slowdown, 1, [&] {
        return "a slowdown at " + std::to_string(*v) +
               " km/h: its boards order the train to a stand; write the speed it allows, above "
               "0 km/h";
      });
    }
    if (!x || !l) continue;
    const int64_t start = RoundDiv(*x + 50, 50), end = RoundDiv(*x + *l + 50, 50);
    if (*l > 0 && end != start) continue;
    WarnAtValue(context, out, "length-range", *slowdown, 2, [&] {
      const std::string cells =
          " (cell " + std::to_string(end) + ", start in cell " + std::to_string(start) + ")";
      return "the slowdown's length " + std::to_string(*l) + " m puts its end board " +
             (end < start ? "before its start board" + cells +
                                ", and the completion pass then places code reductions from the "
                                "start onward until it meets an end board"
                          : "in its start board's cell" + cells + ", where the start replaces it") +
             "; write the length in metres, at least 50";
    });
  }
}

void Curves(const DiagnosticContext& context, WarningList* out) {
  for (const RecordRead* curve : context.recorder.RecordsOf("curve")) {
    const std::optional<int64_t> length = curve->Number(1);
    if (!length || *length > 0) continue;
    WarnAtValue(context, out, "length-range", *curve, 1, [&] {
      return "the curve's length " + std::to_string(*length) +
             " m is not above 0, so the curve is dropped: the track runs straight on";
    });
  }
}

std::string Clock(int64_t h, int64_t m, int64_t s) {
  char text[64];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(h),
                static_cast<long long>(m), static_cast<long long>(s));
  return text;
}

// Hours 0 to 23, minutes and seconds 0 to 59: the times are seconds since
// midnight of one day. `first` is the hours' value index.
void TimeOfDay(const DiagnosticContext& context, const RecordRead& record, size_t first,
               const std::string& what, const std::string& kept, WarningList* out) {
  const std::optional<int64_t> h = record.Number(first), m = record.Number(first + 1),
                               s = record.Number(first + 2);
  if (!h || !m || !s) return;
  const int64_t values[] = {*h, *m, *s};
  const int64_t highest[] = {23, 59, 59};
  const char* names[] = {"hours", "minutes", "seconds"};
  for (size_t i = 0; i < 3; ++i) {
    if (values[i] >= 0 && values[i] <= highest[i]) continue;
    WarnAtValue(context, out, "time-range", record, first + i, [&] {
      return what + " " + Clock(*h, *m, *s) + " has " + std::to_string(values[i]) + " " + names[i] +
             ", outside 0 to " + std::to_string(highest[i]) + ": " + kept;
    });
    return;
  }
}

void Times(const DiagnosticContext& context, WarningList* out) {
  for (const RecordRead* stop : context.recorder.RecordsOf("stop")) {
    const std::optional<int64_t> h = stop->Number(13), m = stop->Number(14), s = stop->Number(15);
    if (!h || !m || !s) continue;
    const int64_t seconds = (*h * 60 + *m) * 60 + *s;
    const int64_t day = seconds % 86400 < 0 ? seconds % 86400 + 86400 : seconds % 86400;
    std::string kept = "the row keeps " + std::to_string(seconds) + " s since midnight";
    if (seconds >= 0 && seconds < 86400) {
      kept += ", which reads " + Clock(seconds / 3600, seconds / 60 % 60, seconds % 60) +
              "; write that";
    } else {
      kept += ", outside the day's 0 to 86399 (23:59:59); a run past midnight writes " +
              Clock(day / 3600, day / 60 % 60, day % 60);
    }
    TimeOfDay(context, *stop, 13, "the scheduled time", kept, out);
  }
  for (const RecordRead* clock : context.recorder.RecordsOf("clock")) {
    TimeOfDay(context, *clock, 0, "the clock", "the train row keeps the three numbers as they are",
              out);
  }
}

void Stops(const DiagnosticContext& context, WarningList* out) {
  for (const RecordRead* stop : context.recorder.RecordsOf("stop")) {
    // The zone is made from the length: none, or one turned round, is no
    // zone to stop in.
    if (const std::optional<int64_t> length = stop->Number(2); length && *length <= 0) {
      WarnAtValue(context, out, "length-range", *stop, 2, [&] {
        return "the stop length " + std::to_string(*length) +
               " m is not above 0, so the stop zone made from it is " +
               (*length == 0 ? "empty" : "turned round") +
               "; write the zone's length in metres, a multiple of 100";
      });
    }
    if (stop->value_count <= 16) continue;
    const std::string name = stop->Text(16);
    if (name.find_first_not_of(" \t") != std::string::npos) continue;
    WarnAtValue(context, out, "empty-name", *stop, 16, [&] {
      return RecordAt(*stop) + " has an empty name: the timetable shows it blank";
    });
  }
}

}  // namespace

void ValueWarnings(const DiagnosticContext& context, WarningList* out) {
  SpeedLimits(context, out);
  Slowdowns(context, out);
  Curves(context, out);
  Times(context, out);
  Stops(context, out);
}

}  // namespace scenario
