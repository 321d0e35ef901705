// Warnings about the stops of the train description: a stop behind the one
// before it, approach values of a stop the grid does not mark, a tab that is
// stored as 0, a stop with a timetable role whose kind the grid ignores,
// scheduled times that go backwards along the route, and a run with fewer
// than two stops.
#include <cstdio>
#include <string>

#include "app/error_codes.h"
#include "tools/diagnostics/warnings.h"

namespace scenario {

namespace {

constexpr int64_t kFirstIgnoredKind = 25;
// Value fields 4 to 13 of a stop: what the driver meets on the approach.
constexpr size_t kFirstApproachValue = 3;
constexpr const char* kApproachNames[] = {"tps", "tab",       "mar",       "first d2",  "first d3",
                                          "rap", "second d1", "second d2", "second d3", "ac"};
constexpr size_t kHoursValue = 13;
constexpr size_t kLengthValue = 2;
constexpr size_t kTabValue = 4;
// A stop zone shorter than this keeps no tab.
constexpr int64_t kShortestTabZone = 600;

std::string OnLine(const RecordRead& record) {
  return " on line " + std::to_string(record.keyword.line);
}

std::optional<int64_t> ScheduledTime(const RecordRead& stop) {
  const std::optional<int64_t> h = stop.Number(kHoursValue);
  const std::optional<int64_t> m = stop.Number(kHoursValue + 1);
  const std::optional<int64_t> s = stop.Number(kHoursValue + 2);
  if (!h || !m || !s) return std::nullopt;
  return (*h * 60 + *m) * 60 + *s;
}

std::string Clock(int64_t seconds) {
  if (seconds < 0) return std::to_string(seconds) + " s";
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

bool HasError(const DiagnosticContext& context, const RecordRead& record, int32_t code) {
  for (const ErrorRead& error : context.recorder.errors()) {
    if (error.code == code && error.record &&
        &context.recorder.records()[*error.record] == &record) {
      return true;
    }
  }
  return false;
}

// Whether the train reader read its whole text: it ran (no line error but
// 15 stopped memorizza_dati before it), and neither an error of its own nor
// the failure path cut it short.
bool TrainReadToTheEnd(const DiagnosticContext& context) {
  if (context.recorder.failure()) return false;
  for (const ErrorRead& error : context.recorder.errors()) {
    const bool harmless = error.code == kErrorChainage || (error.code == kErrorBeyondGrid &&
                                                           error.description == Description::kLine);
    if (!harmless) return false;
  }
  return true;
}

void ApproachValues(const DiagnosticContext& context, const RecordRead& stop,
                    WarningList* out) {
  std::string listed;
  TextPosition first;
  for (size_t i = 0; i < std::size(kApproachNames); ++i) {
    const std::optional<int64_t> value = stop.Number(kFirstApproachValue + i);
    if (!value || *value == 0) continue;
    if (listed.empty()) first = stop.At(kFirstApproachValue + i);
    listed += (listed.empty() ? "" : ", ") + std::string(kApproachNames[i]) + " " +
              std::to_string(*value);
  }
  if (listed.empty()) return;
  out->push_back(Warning(context, "ignored-approach", Description::kTrain, first,
                         RecordAt(stop) + " is of kind " + std::to_string(*stop.Number(1)) +
                             ", which gets no stop point and no approach marks in the grid, so "
                             "its approach values (" + listed + ") will be ignored"));
}

// The reader stores tab as 0 for the first stop and for a zone under 600 m.
void ClearedTab(const DiagnosticContext& context, const RecordRead& stop, bool first,
                WarningList* out) {
  const std::optional<int64_t> tab = stop.Number(kTabValue);
  const std::optional<int64_t> length = stop.Number(kLengthValue);
  if (!tab || *tab == 0 || !length) return;
  std::string why;
  if (first) {
    why = "tab is always stored as 0 for the first stop";
  } else if (*length < kShortestTabZone) {
    why = "its stop length is " + std::to_string(*length) +
          " m, under 600 m, so tab is stored as 0";
  } else {
    return;
  }
  out->push_back(Warning(context, "tab-cleared", Description::kTrain, stop.At(kTabValue),
                         RecordAt(stop) + " has tab " + std::to_string(*tab) + ", but " + why));
}

}  // namespace

void StopWarnings(const DiagnosticContext& context, const std::vector<const RecordRead*>& stops,
                  WarningList* out) {
  const bool whole = TrainReadToTheEnd(context);
  const RecordRead* previous = nullptr;
  const RecordRead* timed = nullptr;  // the last stop with a scheduled time
  for (size_t i = 0; i < stops.size(); ++i) {
    const RecordRead& stop = *stops[i];
    if (previous != nullptr && stop.Number(0) && previous->Number(0) &&
        *stop.Number(0) < *previous->Number(0) && !HasError(context, stop, 22)) {
      out->push_back(Warning(context, "stop-order", Description::kTrain, stop.At(0),
                             RecordAt(stop) + " comes after " + RecordAt(*previous) +
                                 OnLine(*previous) + ": stops must come in order of position"));
    }
    if (stop.Number(0)) previous = &stop;
    ClearedTab(context, stop, i == 0, out);

    const std::optional<int64_t> time = ScheduledTime(stop);
    const std::optional<int64_t> kind = stop.Number(1);
    if (kind && *kind >= kFirstIgnoredKind) {
      ApproachValues(context, stop, out);
      std::string role;
      if (time && *time != 0)
        role = "yet the timetable gives it the time " + Clock(*time);
      else if (i == 0)
        role = "yet it is the first stop of the run";
      else if (whole && i + 1 == stops.size())
        role = "yet it is the last stop of the run";
      if (!role.empty()) {
        out->push_back(Warning(context, "ignored-stop-kind", Description::kTrain, stop.At(1),
                               RecordAt(stop) + " is of kind " + std::to_string(*kind) +
                                   ", which the grid ignores (no stop point, no approach marks), " +
                                   role));
      }
    }
    if (time && *time != 0) {
      if (timed != nullptr && *time < *ScheduledTime(*timed)) {
        out->push_back(Warning(context, "time-order", Description::kTrain, stop.At(kHoursValue),
                               "the scheduled time " + Clock(*time) + " of " + RecordAt(stop) +
                                   " is earlier than " + Clock(*ScheduledTime(*timed)) + " of " +
                                   RecordAt(*timed) + OnLine(*timed) +
                                   ", which comes before it along the route"));
      }
      timed = &stop;
    }
  }
  if (!whole) return;
  if (stops.empty()) {
    out->push_back(Warning(context, "few-stops", Description::kTrain, TextPosition{},
                           "the train description has no stop record, so the run has neither an "
                           "origin nor a terminus"));
  } else if (stops.size() == 1) {
    out->push_back(Warning(context, "few-stops", Description::kTrain, stops[0]->keyword,
                           "this is the only stop record of the train description: a run needs "
                           "an origin and a terminus"));
  }
}

}  // namespace scenario
