#include "tools/diagnostics/warnings_keywords.h"

#include "descriptions/field_stream.h"
#include "descriptions/keywords.h"

namespace scenario {

std::vector<std::string> RecordsStartedBy(KeywordScope scope, std::string_view field,
                                          bool curves_read) {
  std::vector<std::string> kinds;
  for (const RecordKeyword& keyword : KeywordsOf(scope)) {
    if (!curves_read && std::string_view(keyword.kind) == kCurveKeyword.kind) continue;
    if (Holds(field, keyword)) kinds.push_back(keyword.kind);
  }
  return kinds;
}

bool MayBeUnknownKeyword(std::string_view field) {
  if (ContainsExact(field, kCommentMark) || IsSectionHeader(field)) return false;
  for (char c : field) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  }
  return false;
}

const RecordKeyword* KeywordHeld(KeywordScope scope, std::string_view field) {
  for (const RecordKeyword& keyword : KeywordsOf(scope)) {
    if (HoldsInAnyCase(field, keyword)) return &keyword;
  }
  return nullptr;
}

std::vector<std::string> GeneralRecordsInOtherCase(std::string_view field) {
  std::vector<std::string> kinds;
  for (const RecordKeyword& keyword : KeywordsOf(KeywordScope::kLineGeneral)) {
    if (keyword.exact_case && !Holds(field, keyword) && HoldsInAnyCase(field, keyword)) {
      kinds.push_back(keyword.kind);
    }
  }
  return kinds;
}

bool KnownHere(KeywordScope scope, std::string_view field) {
  if (KeywordHeld(scope, field) != nullptr) return true;
  if (scope == KeywordScope::kLineGeneral) return KeywordHeld(KeywordScope::kLineData, field);
  if (scope == KeywordScope::kLineData) return KeywordHeld(KeywordScope::kLineGeneral, field);
  return false;
}

bool FieldWarningsNeed(KeywordScope scope, std::string_view field) {
  switch (scope) {
    case KeywordScope::kLineGeneral:
      return IsSectionHeader(field) || !RecordsStartedBy(KeywordScope::kLineData, field, true).empty() ||
             !GeneralRecordsInOtherCase(field).empty();
    case KeywordScope::kLineData:
      return !RecordsStartedBy(KeywordScope::kLineGeneral, field, true).empty() ||
             !GeneralRecordsInOtherCase(field).empty();
    case KeywordScope::kTrainBody: return false;
  }
  return true;
}

}  // namespace scenario
