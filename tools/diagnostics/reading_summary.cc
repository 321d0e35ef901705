#include "tools/diagnostics/reading_summary.h"

#include <set>

#include "app/error_codes.h"
#include "descriptions/keywords.h"

namespace scenario {

namespace {

// The train's records of one value each (mass, carriages, clock, sand) are
// not counted: they are there or not.
bool Counted(std::string_view kind) {
  for (const RecordKeyword& single :
       {kBrakedMassKeyword, kCarriagesKeyword, kClockKeyword, kSandKeyword}) {
    if (kind == single.kind) return false;
  }
  return true;
}

bool After(TextPosition a, TextPosition b) {
  return a.line > b.line || (a.line == b.line && a.column > b.column);
}

std::string Plural(const std::string& kind, int count) {
  const std::string noun = kind == "speed boards" ? "speed board" : kind;
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::vector<RecordCount> RecordsRead(const DiagnosticContext& context) {
  const DiagnosticRecorder& recorder = context.recorder;
  std::set<size_t> refused;
  for (const ErrorRead& error : recorder.errors()) {
    if (error.record) refused.insert(*error.record);
  }
  if (const std::optional<FailureRead>& failure = recorder.failure(); failure && failure->record) {
    if (After(failure->where, recorder.records()[*failure->record].keyword)) {
      refused.insert(*failure->record);
    }
  }
  std::vector<RecordCount> counts;
  for (KeywordScope scope : {KeywordScope::kLineData, KeywordScope::kTrainBody}) {
    for (const RecordKeyword& keyword : KeywordsOf(scope)) {
      const std::string_view kind = keyword.kind;
      if (!Counted(kind)) continue;
      if (kind == kCurveKeyword.kind && context.state.build_route_table == 0) continue;
      RecordCount count{keyword.kind, static_cast<int>(recorder.RecordsOf(kind).size())};
      for (size_t i : refused) count.count -= recorder.records()[i].kind == kind;
      // A curve of no length turns nothing: the reader dropped it.
      if (kind == kCurveKeyword.kind) {
        for (const RecordRead* curve : recorder.RecordsOf(kind)) {
          bool refused_too = false;
          for (size_t i : refused) refused_too |= &recorder.records()[i] == curve;
          count.count -= !refused_too && curve->Number(1).value_or(1) <= 0 ? 1 : 0;
        }
      }
      counts.push_back(count);
    }
  }
  return counts;
}

std::string RecordCountsText(const std::vector<RecordCount>& counts) {
  std::string text;
  for (const RecordCount& count : counts) {
    text += (text.empty() ? "" : ", ") + Plural(count.kind, count.count);
  }
  return text;
}

std::vector<ReaderStop> ReaderStops(const std::vector<Diagnostic>& diagnostics) {
  std::vector<ReaderStop> stops;
  for (const Diagnostic& d : diagnostics) {
    if (d.severity != Severity::kError || d.fatal || !d.description) continue;
    // The chainage check runs after the train description; the completion
    // pass after both.
    if (d.code == kErrorChainage || IsCompletionError(d.code)) continue;
    ReaderStop stop{*d.description, d.code, d.file, d.line, d.column, ""};
    if (stop.description == Description::kTrain) {
      stop.unread = d.line == 0 ? "the train description" : "the rest of the train description";
    } else if (d.code == kErrorBeyondGrid) {
      stop.unread = "the rest of the line description";
    } else {
      const bool nothing = d.line == 0 || d.code == kErrorNoGeneralSection;
      stop.unread = nothing ? "neither description"
                                : "the rest of the line description and the whole train "
                                  "description";
    }
    stops.push_back(std::move(stop));
  }
  return stops;
}

std::string ReaderStopText(const ReaderStop& stop) {
  std::string where = stop.file;
  if (stop.line > 0) where += ":" + std::to_string(stop.line) + ":" + std::to_string(stop.column);
  const char* verb = stop.unread == "neither description" ? " was read: " : " was not read: ";
  if (stop.unread.find(" and ") != std::string::npos) verb = " were not read: ";
  return stop.unread + verb + where + " stopped the " +
         (stop.description == Description::kLine ? "line" : "train") + " reader (error " +
         std::to_string(stop.code) + ")";
}

}  // namespace scenario
