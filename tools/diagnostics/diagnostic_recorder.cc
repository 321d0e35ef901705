#include "tools/diagnostics/diagnostic_recorder.h"

#include <utility>

#include "app/error_codes.h"
#include "descriptions/field_stream.h"
#include "descriptions/keywords.h"
#include "tools/diagnostics/diagnostic_cells.h"
#include "tools/diagnostics/warning_list.h"
#include "tools/diagnostics/warnings_keywords.h"

namespace scenario {

namespace {

bool SamePosition(TextPosition a, TextPosition b) {
  return a.line == b.line && a.column == b.column;
}

}  // namespace

void DiagnosticRecorder::FollowComment(std::string_view field, TextPosition where,
                                       bool is_comment) {
  if (!pending_comment_) return;
  CommaComment comment = std::move(*pending_comment_);
  pending_comment_.reset();
  // A field on the comment's own line comes after a comma; a blank rest of
  // the line reads as an empty field, which changes nothing.
  if (where.line != comment.where.line) return;
  if (field.find_first_not_of(" \t") == std::string_view::npos) return;
  comment.next_field = std::string(field);
  comment.next_where = where;
  comment.next_is_comment = is_comment;
  comments_.push_back(std::move(comment));
}

void DiagnosticRecorder::OnComment(KeywordScope scope, std::string_view field,
                                   TextPosition where) {
  SettleLastField();
  FollowComment(field, where, true);
  comma_line_[static_cast<size_t>(DescriptionOf(scope))] = where.line;
  NoteBody(scope);
  pending_comment_ = CommaComment{scope, std::string(field), where, "", {}, false};
}

void DiagnosticRecorder::SettleLastField() {
  if (keyword_fields_.empty()) return;
  const KeywordFieldRead& last = keyword_fields_.back();
  if (last.last_of_text || last.settled) return;
  keyword_fields_.back().settled = true;
  if (!last.records.empty()) {
    // Only several records, or a comment mark, make a field tell more than
    // the record it began (which knows where its keyword stands).
    const uint32_t begun = last.records.back() - last.records.front() + 1;
    if (begun == 1 && !ContainsExact(last.field, kCommentMark)) keyword_fields_.pop_back();
    return;
  }
  if (FieldWarningsNeed(last.scope, last.field)) return;
  const auto text = static_cast<size_t>(DescriptionOf(last.scope));
  // Only the first field of a line that may be a misspelt keyword can get
  // the line's warning.
  if (!MayBeUnknownKeyword(last.field) || last.where.line == candidate_line_[text]) {
    keyword_fields_.pop_back();
    return;
  }
  candidate_line_[text] = last.where.line;
  // A comma before it on its line, after a comment or a text, may take the
  // warning over: which one is told once every comma is known.
  if (last.where.line == comma_line_[text]) return;
  if (KnownHere(last.scope, last.field)) {
    keyword_fields_.pop_back();
  } else if (unknown_kept_[text] < kWarningsPerKind) {
    ++unknown_kept_[text];
  } else {
    // Past the ones printed first, a warning costs a count, not a field.
    ++unknown_counted_;
    keyword_fields_.pop_back();
  }
}

void DiagnosticRecorder::OnKeywordField(KeywordScope scope, std::string_view field,
                                        TextPosition where) {
  SettleLastField();
  FollowComment(field, where, false);
  NoteBody(scope);
  NoteSplitNumber(scope, field, where);
  keyword_fields_.push_back(
      KeywordFieldRead{Kept(DescriptionOf(scope), field, where), where, {}, scope, false});
}

void DiagnosticRecorder::OnLastFieldIgnored(KeywordScope scope, std::string_view field,
                                            TextPosition where) {
  SettleLastField();
  FollowComment(field, where, false);
  NoteBody(scope);
  keyword_fields_.push_back(
      KeywordFieldRead{Kept(DescriptionOf(scope), field, where), where, {}, scope, true});
}

void DiagnosticRecorder::OnRecord(Description description, std::string_view record,
                                  TextPosition keyword) {
  // The current field still holds the keyword field when a record begins.
  RecordRead read;
  read.recorder = this;
  read.kind = RecordKind(record);
  read.keyword = keyword;
  read.field_length = static_cast<uint32_t>(state_.current_field.size());
  const SourceLines* lines = description == Description::kLine ? line_ : train_;
  if (lines == nullptr || lines->At(keyword, read.field_length) != state_.current_field) {
    record_fields_[{description, {keyword.line, keyword.column}}] = state_.current_field;
  }
  read.first_value = static_cast<uint32_t>(values_.size());
  read.description = description;
  records_.push_back(read);
  const size_t index = records_.size() - 1;
  last_[static_cast<size_t>(description)] = index;
  indexed_ = false;
  if (!keyword_fields_.empty()) {
    KeywordFieldRead& last = keyword_fields_.back();
    if (DescriptionOf(last.scope) == description && SamePosition(last.where, keyword)) {
      const auto at = static_cast<uint32_t>(index);
      const uint32_t first = last.records.empty() ? at : last.records.front();
      if (last.records.empty() || last.records.back() + 1 == at) {
        last.records = RecordIndices(first, at + 1);
      }
    }
  }
}

void DiagnosticRecorder::OnError(Description description, int32_t code, TextPosition where) {
  std::optional<size_t> record = LastRecord(description);
  // Only the record whose keyword field the reader stands at is to blame.
  if (record && !SamePosition(records_[*record].keyword, where)) record.reset();
  ErrorRead error{description, code, where, state_.error_position, record, {}};
  // An occupied cell is described as it was when the reader stopped: the
  // completion pass fills free cells afterwards.
  if (IsOccupiedCellError(code)) error.grid_types = CellTypes(state_.grid);
  errors_.push_back(std::move(error));
}

void DiagnosticRecorder::OnFailure(Description description, const std::string& reason,
                                   TextPosition where) {
  failure_ = FailureRead{description, reason, where, LastRecord(description)};
}

void DiagnosticRecorder::OnPlace(int64_t cell, uint8_t cell_type) {
  if (records_.empty() || cell < 0 || cell >= state_.grid.cell_count()) return;
  const size_t at = static_cast<size_t>(cell);
  if (placed_by_.size() <= at) placed_by_.resize(static_cast<size_t>(state_.grid.cell_count()));
  placed_by_[at] = Placement{static_cast<uint32_t>(records_.size()), cell_type};
}

// The rule is applied while its record is the one read last.
void DiagnosticRecorder::OnRuleApplied(AppliedRule rule) {
  if (!records_.empty()) rules_applied_.insert({rule, &records_.back()});
}

const RecordRead* DiagnosticRecorder::PlacedBy(int64_t cell) const {
  return PlacedBy(cell, state_.grid.TypeAt(cell));
}

const RecordRead* DiagnosticRecorder::PlacedBy(int64_t cell, uint8_t cell_type) const {
  if (cell < 0 || static_cast<size_t>(cell) >= placed_by_.size()) return nullptr;
  const Placement& placed = placed_by_[static_cast<size_t>(cell)];
  // The completion pass replaces tunnel markers without telling anyone.
  if (placed.record == 0 || cell_type != placed.cell_type) return nullptr;
  return &records_[placed.record - 1];
}

std::optional<size_t> DiagnosticRecorder::LastRecord(Description description) const {
  return last_[static_cast<size_t>(description)];
}

}  // namespace scenario
