#include "tools/compile/warnings_keywords.h"

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

}  // namespace scenario
