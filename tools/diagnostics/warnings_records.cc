// Warnings about the values of records: profile and stop records out of
// order, curves out of order or overlapping, gradients and adhesions that do
// not fit their byte, stops of a kind the grid ignores, and the timetable.
#include <string>

#include "tools/diagnostics/warnings.h"

namespace scenario {

namespace {

const std::vector<const RecordRead*>& RecordsOf(const DiagnosticContext& context,
                                                const char* kind) {
  return context.recorder.RecordsOf(kind);
}

std::string OnLine(const RecordRead& record) {
  return " on line " + std::to_string(record.keyword.line);
}

// A record whose position lies behind the record of its kind before it.
void OrderWarnings(const DiagnosticContext& context, const char* kind, WarningName name,
                   const std::string& what_follows, WarningList* out) {
  const RecordRead* previous = nullptr;
  for (const RecordRead* record : RecordsOf(context, kind)) {
    if (!record->Number(0)) continue;
    if (previous != nullptr && *record->Number(0) < *previous->Number(0) &&
        out->Admit(name, record->description, record->At(0))) {
      out->push_back(Warning(context, name, record->description, record->At(0),
                             RecordAt(*record) + " comes after " + RecordAt(*previous) +
                                 OnLine(*previous) + ": " + what_follows));
    }
    previous = record;
  }
}

void CurveWarnings(const DiagnosticContext& context, WarningList* out) {
  int64_t cursor = 2;  // the next row of the plan, as the reader keeps it
  const RecordRead* previous = nullptr;
  for (const RecordRead* curve : RecordsOf(context, "curve")) {
    if (!curve->Number(0) || !curve->Number(1)) continue;
    const int64_t start = *curve->Number(0);
    const int64_t end = start + *curve->Number(1);
    auto effect = [&] {
      return end < cursor
                 ? std::string("so it changes nothing")
                 : "so only its part beyond " + std::to_string(cursor - 1) + " m is curved";
    };
    if (previous != nullptr && start < *previous->Number(0)) {
      if (out->Admit("curve-order", Description::kLine, curve->At(0))) {
        out->push_back(Warning(context, "curve-order", Description::kLine, curve->At(0),
                               RecordAt(*curve) + " starts before " + RecordAt(*previous) +
                                   OnLine(*previous) + ": curves must come in order of start, " +
                                   effect()));
      }
    } else if (previous != nullptr && start + 1 < cursor && end > start &&
               out->Admit("curve-overlap", Description::kLine, curve->At(0))) {
      out->push_back(Warning(context, "curve-overlap", Description::kLine, curve->At(0),
                             RecordAt(*curve) + " starts before the plan made so far ends, at " +
                                 std::to_string(cursor - 1) + " m (" + RecordAt(*previous) +
                                 OnLine(*previous) + "), " + effect()));
    }
    if (cursor <= start) cursor = start + 1;
    if (cursor <= end) cursor = end + 1;
    previous = curve;
  }
}

void RangeWarnings(const DiagnosticContext& context, WarningList* out) {
  for (const RecordRead* gradient : RecordsOf(context, "gradient")) {
    const std::optional<int64_t> value = gradient->Number(1);
    if (!value || (*value >= -100 && *value <= 155)) continue;
    if (!out->Admit("gradient-range", Description::kLine, gradient->At(1))) continue;
    const int64_t stored = (*value + 100) & 0xff;
    out->push_back(Warning(context, "gradient-range", Description::kLine, gradient->At(1),
                           "the gradient " + std::to_string(*value) +
                               " per mille lies outside -100 to 155: the grid keeps the gradient "
                               "+ 100 in one byte, so it stores " + std::to_string(stored) +
                               ", which reads as " + std::to_string(stored - 100) + " per mille"));
  }
  for (const RecordRead* adhesion : RecordsOf(context, "adhesion")) {
    const std::optional<int64_t> value = adhesion->Number(1);
    if (!value || (*value >= 0 && *value <= 255)) continue;
    if (!out->Admit("adhesion-range", Description::kTrain, adhesion->At(1))) continue;
    out->push_back(Warning(context, "adhesion-range", Description::kTrain, adhesion->At(1),
                           "the adhesion " + std::to_string(*value) +
                               " lies outside 0 to 255: the grid keeps its low 8 bits, " +
                               std::to_string(*value & 0xff)));
  }
}

}  // namespace

void RecordWarnings(const DiagnosticContext& context, WarningList* out) {
  // A profile record behind the cursor still writes one cell.
  const std::string still_moves = "this one still moves the profile on by one cell";
  OrderWarnings(context, "gradient", "gradient-order",
                "gradients must come in order of position; " + still_moves, out);
  OrderWarnings(context, "speed limit", "speed-limit-order",
                "speed limits must come in order of position; " + still_moves, out);
  OrderWarnings(context, "adhesion", "adhesion-order",
                "adhesions must come in order of position; " + still_moves, out);
  CurveWarnings(context, out);
  RangeWarnings(context, out);
  const std::vector<const RecordRead*>& stops = RecordsOf(context, "stop");
  StopWarnings(context, stops, out);
}

}  // namespace scenario
