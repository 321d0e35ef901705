#include "descriptions/keywords.h"

#include "descriptions/field_stream.h"

namespace scenario {

namespace {

constexpr RecordKeyword kLineGeneral[] = {
    kRouteLengthKeyword, kChainage3Keyword,   kChainage2Keyword,   kChainage1Keyword,
    kBackground1Keyword, kBackground2Keyword, kBackground3Keyword, kRepetitionKeyword,
};
constexpr RecordKeyword kLineData[] = {
    kGradientKeyword, kCurveKeyword, kTunnelKeyword, kSpeedBoardsKeyword, kSignBoardKeyword,
};
// The stop is tested last, after every other test on the same field.
constexpr RecordKeyword kTrainBody[] = {
    kBrakedMassKeyword, kCarriagesKeyword, kSpeedLimitKeyword, kAdhesionKeyword,
    kClockKeyword,      kSandKeyword,      kSignalKeyword,     kSlowdownKeyword,
    kCodeReductionKeyword, kStopKeyword,
};

bool HoldsWord(std::string_view field, const char* word, bool exact_case) {
  if (*word == '\0') return true;
  return exact_case ? ContainsExact(field, word) : ContainsAnyCase(field, word);
}

bool Matches(std::string_view field, const RecordKeyword& keyword, bool exact_case) {
  return HoldsWord(field, keyword.first, exact_case) &&
         HoldsWord(field, keyword.second, exact_case);
}

}  // namespace

bool Holds(std::string_view field, const RecordKeyword& keyword) {
  return Matches(field, keyword, keyword.exact_case);
}

bool HoldsInAnyCase(std::string_view field, const RecordKeyword& keyword) {
  return Matches(field, keyword, false);
}

std::span<const RecordKeyword> KeywordsOf(KeywordScope scope) {
  switch (scope) {
    case KeywordScope::kLineGeneral: return kLineGeneral;
    case KeywordScope::kLineData: return kLineData;
    case KeywordScope::kTrainBody: return kTrainBody;
  }
  return {};
}

const RecordKeyword* KeywordOfKind(std::string_view kind) {
  for (KeywordScope scope :
       {KeywordScope::kLineGeneral, KeywordScope::kLineData, KeywordScope::kTrainBody}) {
    for (const RecordKeyword& keyword : KeywordsOf(scope)) {
      if (kind == keyword.kind) return &keyword;
    }
  }
  return nullptr;
}

std::vector<std::string_view> ValueNames(const RecordKeyword& keyword) {
  std::vector<std::string_view> names;
  std::string_view rest = keyword.values;
  while (!rest.empty()) {
    const size_t comma = rest.find(", ");
    names.push_back(rest.substr(0, comma));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 2);
  }
  return names;
}

bool IsSectionHeader(std::string_view field) {
  return ContainsExact(field, "[") && ContainsExact(field, "]") && field.front() != '-';
}

}  // namespace scenario
