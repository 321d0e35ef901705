// The general section of the line description: route length, chainage
// sections, backgrounds and cab-signal repetition. Every test runs on the same
// keyword field, so a field that matches several reads several records.
#include <string>

#include "app/error_codes.h"
#include "descriptions/keywords.h"
#include "descriptions/line_reading.h"

namespace scenario {

namespace {

constexpr int32_t kLongestRoute = 1000000;
// Runs of comment fields longer than this are cut: the next one is a keyword.
constexpr int kGeneralCommentRun = 10;

ReadOutcome ReadRouteLength(LineReading& reading) {
  if (!Holds(reading.field, kRouteLengthKeyword)) return ReadOutcome::kContinue;
  reading.Record(kRouteLengthKeyword.kind);
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
  if (state.build_route_table != 0) state.route.Size(int64_t{length} + 7000);
  reading.route_length_read = true;
  return ReadOutcome::kContinue;
}

void ReadChainageSections(LineReading& reading) {
  struct Section {
    const RecordKeyword& keyword;
    int row;
  };
  static constexpr Section kSections[] = {
      {kChainage3Keyword, kChainageRow3},
      {kChainage2Keyword, kChainageRow2},
      {kChainage1Keyword, kChainageRow1},
  };
  for (const Section& section : kSections) {
    if (!Holds(reading.field, section.keyword)) continue;
    reading.Record(section.keyword.kind);
    ScenarioRow& row = reading.state.scenario[section.row];
    row.span_start = reading.Int32();
    row.span_end = reading.Int32();
    row.position = reading.Int32();
  }
}

void ReadBackgrounds(LineReading& reading) {
  ScenarioRow& row = reading.state.scenario[kRouteRow];
  struct Background {
    const RecordKeyword& keyword;
    int32_t ScenarioRow::*column;
  };
  // The second background goes to position and the third to span_end.
  static constexpr Background kBackgrounds[] = {
      {kBackground1Keyword, &ScenarioRow::span_start},
      {kBackground2Keyword, &ScenarioRow::position},
      {kBackground3Keyword, &ScenarioRow::span_end},
  };
  for (const Background& background : kBackgrounds) {
    if (!Holds(reading.field, background.keyword)) continue;
    reading.Record(background.keyword.kind);
    row.*background.column = reading.Int32();
  }
}

ReadOutcome ReadSignalRepetition(LineReading& reading) {
  if (!Holds(reading.field, kRepetitionKeyword)) return ReadOutcome::kContinue;
  reading.Record(kRepetitionKeyword.kind);
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
      if (ContainsExact(reading.field, kCommentMark)) {
        reading.PassComment(KeywordScope::kLineGeneral);
      }
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
