// Code 25, the readers' common failure path: a value that is not a number
// or does not fit, the end of a text inside a record, a text that cannot be
// had. A record short of values is blamed itself, with a note at the field
// that was read in place of its next value.
#include <string>

#include "app/error_codes.h"
#include "descriptions/keywords.h"
#include "tools/diagnostics/diagnostic_errors.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

// Whether a field would begin a record of the description, or is a section
// header: where a record short of values ends.
bool EndsRecord(Description description, std::string_view field) {
  if (field.empty() || IsSectionHeader(field)) return true;
  for (KeywordScope scope :
       {KeywordScope::kLineGeneral, KeywordScope::kLineData, KeywordScope::kTrainBody}) {
    if (DescriptionOf(scope) != description) continue;
    for (const RecordKeyword& keyword : KeywordsOf(scope)) {
      if (HoldsInAnyCase(field, keyword)) return true;
    }
  }
  return false;
}

// A record short of values took the next keyword (or an empty field) as a
// number: the record is to blame, the field only shows where it ran out.
std::optional<Diagnostic> ShortRecord(const DiagnosticContext& context,
                                      const FailureRead& failure, const RecordRead& record) {
  const RecordKeyword* keyword = KeywordOfKind(record.kind);
  if (keyword == nullptr) return std::nullopt;
  const bool at_end = context.AtEndOfText(failure.description, failure.where);
  const std::string field = at_end ? "" : context.FieldAt(failure.description, failure.where);
  if (!at_end && !EndsRecord(failure.description, field)) return std::nullopt;
  const std::vector<std::string_view> names = ValueNames(*keyword);
  const size_t found = record.value_count;
  if (found >= names.size()) return std::nullopt;
  const char* before = at_end ? "the end of the text"
                       : field.empty() ? "an empty field"
                                       : "the next keyword";
  Diagnostic diagnostic = context.Error(
      kErrorReadFailure, failure.description, record.keyword,
      "the " + std::string(record.kind) + " record needs " + std::to_string(names.size()) + " values, " +
          ListText(names) + "; " + std::to_string(found) + " found before " + before +
          "; reading stops here, and the compile goes on with what was read before");
  if (at_end) return diagnostic;
  const std::string taken = field.empty() ? "this empty field" : "\"" + CodePageToUtf8(field) + "\"";
  diagnostic.notes.push_back(DiagnosticNote{
      context.FileOf(failure.description), failure.where.line, failure.where.column,
      taken + " was read as its " + std::string(names[found]) + ", and is not a number"});
  return diagnostic;
}

}  // namespace

Diagnostic FailureError(const DiagnosticContext& context, const FailureRead& failure) {
  const char* text = failure.description == Description::kLine ? "line" : "train";
  // Without a position the text itself could not be had.
  if (failure.where.line == 0) {
    return context.Error(kErrorReadFailure, failure.description, failure.where,
                         failure.reason + "; the compile goes on without it");
  }
  // An empty text fails at its first field: say what is wrong with it.
  const SourceLines* lines =
      failure.description == Description::kLine ? context.line_lines : context.train_lines;
  if (lines != nullptr && lines->count() == 0) {
    return context.Error(kErrorReadFailure, failure.description, TextPosition{},
                         std::string("the ") + text +
                             " description is empty; the compile goes on with what was read "
                             "before");
  }
  std::string message =
      std::string("the ") + text + " description cannot be read on: " + failure.reason;
  if (failure.record) {
    const RecordRead& record = context.recorder.records()[*failure.record];
    // Name the record only when the failure lies inside it, past its
    // keyword field (a speed limit that does not fit fails at its own record
    // when the next one is read).
    const bool inside = failure.where.line > record.keyword.line ||
                        (failure.where.line == record.keyword.line &&
                         failure.where.column > record.keyword.column);
    if (inside) {
      if (std::optional<Diagnostic> short_record = ShortRecord(context, failure, record)) {
        return *short_record;
      }
      message += " (in the " + std::string(record.kind) + " record of line " +
                 std::to_string(record.keyword.line) + ")";
    }
  }
  message += "; reading stops here, and the compile goes on with what was read before";
  Diagnostic diagnostic =
      context.Error(kErrorReadFailure, failure.description, failure.where, message);
  // A curve past the route table's end: the route length sizes the table.
  if (failure.record) {
    const RecordRead& record = context.recorder.records()[*failure.record];
    const int64_t route = context.state.scenario[kRunRow].span_end;
    if (record.kind == "curve" && record.Number(0) && record.Number(1) &&
        *record.Number(0) + *record.Number(1) > route + 7000) {
      RouteLengthNote(context, &diagnostic);
    }
  }
  return diagnostic;
}

}  // namespace scenario
