// Warnings about a comma that ends a field its author meant to go on: a
// comment (what follows is read where a keyword is expected), a stop name or
// a sign text (cut at the comma, the rest read as a field of its own).
#include <deque>
#include <algorithm>
#include <string>
#include <tuple>

#include "tools/diagnostics/warnings.h"
#include "tools/diagnostics/warnings_keywords.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

std::string Trimmed(std::string_view text) {
  const size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return "";
  const size_t end = text.find_last_not_of(" \t");
  return std::string(text.substr(start, end - start + 1));
}

// The records stand in reading order: the line description's, then the
// train description's, each by where its keyword field stands. The first one
// of the description whose keyword field stands at or after the place:
std::deque<RecordRead>::const_iterator FirstRecordFrom(const DiagnosticContext& context,
                                                       Description text, TextPosition at) {
  const std::deque<RecordRead>& records = context.recorder.records();
  auto key = [](Description d, TextPosition p) {
    return std::make_tuple(d == Description::kTrain, p.line, p.column);
  };
  return std::lower_bound(records.begin(), records.end(), key(text, at),
                          [&](const RecordRead& read, const auto& wanted) {
                            return key(read.description, read.keyword) < wanted;
                          });
}

// The kinds of the records the keyword field at this place began.
std::vector<std::string> RecordsBegunAt(const DiagnosticContext& context, Description text,
                                        TextPosition where) {
  std::vector<std::string> kinds;
  const std::deque<RecordRead>& records = context.recorder.records();
  for (auto read = FirstRecordFrom(context, text, where);
       read != records.end() && read->description == text && read->keyword.line == where.line &&
       read->keyword.column == where.column;
       ++read) {
    kinds.emplace_back(read->kind);
  }
  return kinds;
}

// The first record begun further on the line, for a record switched off by
// a hyphen: its values are read field by field.
const RecordRead* RecordLaterOnLine(const DiagnosticContext& context,
                                    const CommaComment& comment) {
  const Description text = DescriptionOf(comment.scope);
  const auto read = FirstRecordFrom(context, text, comment.where);
  if (read == context.recorder.records().end() || read->description != text ||
      read->keyword.line != comment.where.line) {
    return nullptr;
  }
  return &*read;
}

void CommentComma(const DiagnosticContext& context, const CommaComment& comment,
                  WarningList* out) {
  const Description text = DescriptionOf(comment.scope);
  if (KeywordHeld(comment.scope, comment.field) != nullptr) {
    const RecordRead* later = RecordLaterOnLine(context, comment);
    if (later == nullptr) return;
    const std::vector<std::string> kinds = RecordsBegunAt(context, text, later->keyword);
    out->push_back(Warning(context, "comment-comma", text, comment.Comma(),
                           "the record switched off by the hyphen ends at this comma: \"" +
                               CodePageToUtf8(Trimmed(later->Field())) +
                               "\", further on the line, is read as a keyword field and begins a " +
                               ListText(kinds) + " record"));
    return;
  }
  std::string read_as = "another comment";
  if (!comment.next_is_comment) {
    const std::vector<std::string> kinds =
        RecordsBegunAt(context, text, comment.next_where);
    read_as = kinds.empty() ? "a keyword field, which matches no record"
                            : "a keyword field, which begins a " + ListText(kinds) + " record";
  }
  out->push_back(Warning(context, "comment-comma", text, comment.Comma(),
                         "the comment ends at this comma, and what follows it, \"" +
                             CodePageToUtf8(Trimmed(comment.next_field)) + "\", is read as the next field: " +
                             read_as));
}

}  // namespace

std::vector<TextComma> TextCommas(const DiagnosticContext& context) {
  std::vector<TextComma> commas;
  for (const CommaComment& comment : context.recorder.comments()) {
    commas.push_back(TextComma{DescriptionOf(comment.scope), comment.Comma(), &comment, nullptr,
                               Trimmed(comment.next_field)});
  }
  for (const RecordRead& record : context.recorder.records()) {
    const size_t text_value = record.kind == "stop" ? 16 : record.kind == "sign board" ? 1 : 0;
    if (text_value == 0 || record.value_count <= text_value) continue;
    const TextPosition at = record.At(text_value);
    const std::optional<std::string> line = context.LineOf(record.description, at.line);
    const size_t comma = static_cast<size_t>(at.column - 1) + record.Text(text_value).size();
    if (!line || comma >= line->size() || (*line)[comma] != ',') continue;
    if (Trimmed(std::string_view(*line).substr(comma + 1)).empty()) continue;
    const int column = static_cast<int>(comma) + 1;
    const std::string next = context.FieldAt(record.description, {at.line, column + 1});
    commas.push_back(
        TextComma{record.description, {at.line, column}, nullptr, &record, Trimmed(next)});
  }
  return commas;
}

void CommaWarnings(const DiagnosticContext& context, const std::vector<TextComma>& commas,
                   WarningList* out) {
  for (const TextComma& comma : commas) {
    if (comma.comment != nullptr) {
      CommentComma(context, *comma.comment, out);
      continue;
    }
    const bool stop = comma.record->kind == "stop";
    out->push_back(Warning(
        context, "name-comma", comma.description, comma.comma,
        std::string(stop ? "the name of the stop" : "the text of the sign board") +
            " ends at this comma, since " + (stop ? "a name" : "a text") +
            " cannot hold one, and what follows it, \"" + CodePageToUtf8(comma.rest) +
            "\", is read as the next field"));
  }
}

}  // namespace scenario
