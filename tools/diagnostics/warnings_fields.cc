// Warnings about how keyword fields were read: a comment past the comment
// limit that starts a record, one field read as several records, a record in
// the section where it is not recognised, a general keyword in capitals, and
// a record keyword that is the last field of its text.
#include <deque>
#include <string>

#include "descriptions/field_stream.h"
#include "descriptions/keywords.h"
#include "tools/diagnostics/warnings.h"
#include "tools/diagnostics/warnings_keywords.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

// A field quoted as the code page shows it, so that the message agrees with
// the source line printed under it.
std::string Quoted(std::string_view field) { return "\"" + CodePageToUtf8(field) + "\""; }

// The section header that ended the general section.
const KeywordFieldRead* GeneralSectionEnd(const DiagnosticRecorder& recorder) {
  const KeywordFieldRead* end = nullptr;
  for (const KeywordFieldRead& read : recorder.keyword_fields()) {
    if (read.scope == KeywordScope::kLineGeneral && IsSectionHeader(read.field)) end = &read;
  }
  return end;
}

void CommentRead(const DiagnosticContext& context, const KeywordFieldRead& read,
                 const std::vector<std::string>& kinds, WarningList* out) {
  const std::string count = read.scope == KeywordScope::kLineGeneral ? "ten" : "two";
  const std::string where = read.scope == KeywordScope::kLineGeneral ? " in the general section"
                            : read.scope == KeywordScope::kLineData  ? " in the data sections"
                                                                     : "";
  out->push_back(Warning(context, "comment-keyword", DescriptionOf(read.scope), read.where,
                         "this field holds a hyphen like a comment, but it follows " + count +
                             " comment fields and is read as a keyword field: it begins a " +
                             ListText(kinds) + " record; at most " + count +
                             " comment fields in a row are passed over" + where));
}

void UnrecognisedField(const DiagnosticContext& context, const KeywordFieldRead& read,
                       const KeywordFieldRead* general_end,
                       WarningList* out) {
  const Description text = DescriptionOf(read.scope);
  if (read.scope == KeywordScope::kLineGeneral && !IsSectionHeader(read.field)) {
    const std::vector<std::string> data =
        RecordsStartedBy(KeywordScope::kLineData, read.field, true);
    if (!data.empty()) {
      out->push_back(Warning(context, "wrong-section", text, read.where,
                             Quoted(read.field) + " is a " + ListText(data) +
                                 " record in the general section, where it is not recognised: "
                                 "data records count only after the section header that ends the "
                                 "general section, so its value fields are read as keyword "
                                 "fields"));
      return;
    }
    const std::vector<std::string> cased = GeneralRecordsInOtherCase(read.field);
    if (!cased.empty()) {
      out->push_back(Warning(context, "keyword-case", text, read.where,
                             Quoted(read.field) + " is not read as a " + ListText(cased) +
                                 " record: the words of this keyword count only in lower case, "
                                 "so its value fields are read as keyword fields"));
    }
    return;
  }
  if (read.scope == KeywordScope::kLineData) {
    std::vector<std::string> general =
        RecordsStartedBy(KeywordScope::kLineGeneral, read.field, true);
    if (general.empty()) general = GeneralRecordsInOtherCase(read.field);
    if (general.empty()) return;
    std::string ended;
    if (general_end != nullptr) {
      ended = ", which ended at " + Quoted(general_end->field) + " on line " +
              std::to_string(general_end->where.line);
    }
    out->push_back(Warning(context, "wrong-section", text, read.where,
                           Quoted(read.field) + " is a " + ListText(general) +
                               " record after the general section" + ended +
                               ": general records are recognised only before its first section "
                               "header, so its value fields are read as keyword fields"));
  }
}

}  // namespace

void FieldWarnings(const DiagnosticContext& context, WarningList* out) {
  const bool curves_read = context.state.build_route_table != 0;
  const std::deque<RecordRead>& records = context.recorder.records();
  const KeywordFieldRead* general_end = GeneralSectionEnd(context.recorder);
  for (const KeywordFieldRead& read : context.recorder.keyword_fields()) {
    const Description text = DescriptionOf(read.scope);
    if (read.last_of_text) {
      const std::vector<std::string> kinds = RecordsStartedBy(read.scope, read.field, curves_read);
      if (kinds.empty()) continue;
      out->push_back(Warning(context, "last-field", text, read.where,
                             Quoted(read.field) + " would begin a " + ListText(kinds) +
                                 " record, but it is the last field of the text, which is never "
                                 "read as a keyword field"));
      continue;
    }
    std::vector<std::string> kinds;
    for (size_t index : read.records) kinds.emplace_back(records[index].kind);
    if (kinds.empty()) {
      UnrecognisedField(context, read, general_end, out);
      continue;
    }
    if (ContainsExact(read.field, kCommentMark)) CommentRead(context, read, kinds, out);
    if (kinds.size() >= 2) {
      out->push_back(Warning(context, "several-records", text, read.where,
                             "this keyword field is read as " + std::to_string(kinds.size()) +
                                 " records, " + ListText(kinds) +
                                 ", each with its own value fields"));
    }
  }
}

}  // namespace scenario
