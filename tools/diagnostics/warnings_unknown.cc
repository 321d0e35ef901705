// Keyword fields that match no record. A misspelt keyword drops its record
// without a sound from the reader, so it is named here, with the keyword it
// is nearest to. One warning a line: the values and the stop name after a
// misspelt keyword are read as keyword fields too, and are not the fault.
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "tools/diagnostics/keyword_distance.h"
#include "tools/diagnostics/warnings.h"
#include "tools/diagnostics/warnings_keywords.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

const char* PlaceName(KeywordScope scope) {
  switch (scope) {
    case KeywordScope::kLineGeneral: return "the general section";
    case KeywordScope::kLineData: return "the data sections";
    case KeywordScope::kTrainBody: return "the train description";
  }
  return "";
}

bool OfTheOtherDescription(KeywordScope scope, std::string_view field) {
  if (scope == KeywordScope::kTrainBody) {
    return KeywordHeld(KeywordScope::kLineGeneral, field) ||
           KeywordHeld(KeywordScope::kLineData, field);
  }
  return KeywordHeld(KeywordScope::kTrainBody, field) != nullptr;
}

std::string Trimmed(std::string_view text) {
  const size_t end = text.find_last_not_of(" \t");
  return end == std::string_view::npos ? "" : std::string(text.substr(0, end + 1));
}

std::string Message(KeywordScope scope, std::string_view field) {
  const std::string quoted = "\"" + CodePageToUtf8(Trimmed(field)) + "\"";
  if (OfTheOtherDescription(scope, field)) {
    const char* other = scope == KeywordScope::kTrainBody ? "the line" : "the train";
    return quoted + " is a keyword of " + other + " description, not of " + PlaceName(scope) +
           ", so no record begins here";
  }
  std::string message = quoted + " is not a keyword of " + PlaceName(scope) +
                        ", so no record begins here";
  if (const RecordKeyword* nearest = NearestKeyword(scope, field)) {
    message += "; did you mean '" + std::string(nearest->spelled) + "'?";
  }
  return message;
}

}  // namespace

void UnknownKeywordWarnings(const DiagnosticContext& context,
                            const std::vector<TextComma>& commas, WarningList* out) {
  // On each line (of a description) the first comma after which it belongs
  // to a comment or a text.
  std::map<std::pair<Description, int>, int> first_comma;
  for (const TextComma& comma : commas) {
    auto [at, added] = first_comma.try_emplace({comma.description, comma.comma.line},
                                               comma.comma.column);
    if (!added) at->second = std::min(at->second, comma.comma.column);
  }
  // The fields stand in reading order, so the lines that already have their
  // warning are those up to the last one that got it.
  std::optional<std::pair<Description, int>> done;
  for (const KeywordFieldRead& read : context.recorder.keyword_fields()) {
    if (read.last_of_text || !read.records.empty() || !MayBeUnknownKeyword(read.field)) continue;
    const std::pair<Description, int> line{DescriptionOf(read.scope), read.where.line};
    if (done == line) continue;
    done = line;
    const auto comma = first_comma.find(line);
    const bool after_comma = comma != first_comma.end() && comma->second < read.where.column;
    if (after_comma || KnownHere(read.scope, read.field)) continue;
    out->push_back(Warning(context, "unknown-keyword", line.first, read.where,
                           Message(read.scope, read.field)));
  }
  // Those past the ones a text can show were counted as they were read.
  out->Count("unknown-keyword", context.recorder.unknown_keywords_counted());
}

}  // namespace scenario
