// The general section of the line description: route length, chainage
// sections, backgrounds and cab-signal repetition. Every test runs on the same
// keyword field, so a field that matches several reads several records.
#include <string>

#include "app/error_codes.h"
#include "descriptions/line_reading.h"

namespace scenario {

namespace {

constexpr int32_t kLongestRoute = 1000000;
// Runs of comment fields longer than this are cut: the next one is a keyword.
constexpr int kGeneralCommentRun = 10;

ReadOutcome ReadRouteLength(LineReading& reading) {
  if (!ContainsAnyCase(reading.field, "lunghezza") || !ContainsAnyCase(reading.field, "percorso")) {
    return ReadOutcome::kContinue;
  }
  reading.Record("route length");
  GeneratorState& state = reading.state;
  const int32_t length = reading.Int32();
  state.scenario[kRunRow].span_end = length;
  if (length > kLongestRoute) return reading.Stop(kErrorRouteTooLong);
  if (length < 0) {
    throw DescriptionFailure("the route length " + std::to_string(length) + " is negative",
                             reading.stream.last_position());
  }
  // A later route length sizes both tables afresh.
  state.grid.Size(length);
  if (state.write_files != 0) state.route.Size(int64_t{length} + 7000);
  reading.route_length_read = true;
  return ReadOutcome::kContinue;
}

void ReadChainageSections(LineReading& reading) {
  struct Section {
    const char* word;
    int row;
    const char* kind;
  };
  static constexpr Section kSections[] = {
      {"tre", kChainageRow3, "chainage section 3"},
      {"due", kChainageRow2, "chainage section 2"},
      {"uno", kChainageRow1, "chainage section 1"},
  };
  for (const Section& section : kSections) {
    if (!ContainsExact(reading.field, "progressiva") || !ContainsExact(reading.field, section.word)) {
      continue;
    }
    reading.Record(section.kind);
    ScenarioRow& row = reading.state.scenario[section.row];
    row.span_start = reading.Int32();
    row.span_end = reading.Int32();
    row.position = reading.Int32();
  }
}

void ReadBackgrounds(LineReading& reading) {
  ScenarioRow& row = reading.state.scenario[kRouteRow];
  struct Background {
    const char* word;
    int32_t ScenarioRow::*column;
    const char* kind;
  };
  // "due" goes to position and "tre" to span_end.
  const Background kBackgrounds[] = {
      {"uno", &ScenarioRow::span_start, "background 1"},
      {"due", &ScenarioRow::position, "background 2"},
      {"tre", &ScenarioRow::span_end, "background 3"},
  };
  for (const Background& background : kBackgrounds) {
    if (!ContainsExact(reading.field, "sfondo") || !ContainsExact(reading.field, background.word)) {
      continue;
    }
    reading.Record(background.kind);
    row.*background.column = reading.Int32();
  }
}

ReadOutcome ReadSignalRepetition(LineReading& reading) {
  if (!ContainsExact(reading.field, "segnali") || !ContainsExact(reading.field, "ripetizione")) {
    return ReadOutcome::kContinue;
  }
  reading.Record("signal repetition");
  ScenarioRow& row = reading.state.scenario[kTrainRow];
  const int32_t start = reading.Int32();
  row.span_start = start;
  const int32_t end = reading.Int32();
  row.span_end = end;
  if (start % 50 != 0) return reading.Stop(kErrorRepetitionStart);
  if (end % 50 != 0) return reading.Stop(kErrorRepetitionEnd);
  // The keyword field names the number of cab-signal codes.
  if (ContainsExact(reading.field, "4")) {
    row.position = 4;
  } else if (ContainsExact(reading.field, "9")) {
    row.position = 9;
  } else {
    return reading.Stop(kErrorRepetitionCodes);
  }
  if (end == 0) row.position = 0;
  return ReadOutcome::kContinue;
}

// A section header holds "[" and "]" and does not begin with a hyphen; the
// stream has already dropped its leading blanks.
bool IsSectionHeader(const std::string& field) {
  return ContainsExact(field, "[") && ContainsExact(field, "]") && field.front() != '-';
}

}  // namespace

ReadOutcome ReadGeneralSection(LineReading& reading) {
  for (;;) {
    if (reading.stream.AtEnd()) return ReadOutcome::kContinue;
    reading.ReadKeywordField();
    // The last field of the text is not interpreted.
    if (reading.stream.AtEnd()) {
      reading.IgnoreLastField(KeywordScope::kLineGeneral);
      return ReadOutcome::kContinue;
    }
    // No end test inside the run: a comment at the end of the text leaves
    // its last field examined.
    for (int i = 0; i < kGeneralCommentRun; ++i) {
      if (ContainsExact(reading.field, "-")) reading.ReadKeywordField();
    }
    reading.Examine(KeywordScope::kLineGeneral);
    if (ReadRouteLength(reading) == ReadOutcome::kStop) return ReadOutcome::kStop;
    ReadChainageSections(reading);
    ReadBackgrounds(reading);
    if (ReadSignalRepetition(reading) == ReadOutcome::kStop) return ReadOutcome::kStop;
    if (IsSectionHeader(reading.field)) return ReadOutcome::kContinue;
  }
}

}  // namespace scenario
