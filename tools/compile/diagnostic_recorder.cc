#include "tools/compile/diagnostic_recorder.h"

#include <utility>

#include "app/error_codes.h"
#include "tools/compile/diagnostic_cells.h"
#include "tools/compile/warnings_keywords.h"

namespace scenario {

namespace {

bool SamePosition(TextPosition a, TextPosition b) {
  return a.line == b.line && a.column == b.column;
}

}  // namespace

std::optional<int64_t> RecordRead::Number(size_t i) const {
  if (i >= values.size()) return std::nullopt;
  return values[i].number;
}

std::string RecordRead::Text(size_t i) const { return i < values.size() ? values[i].text : ""; }

TextPosition RecordRead::At(size_t i) const {
  return i < values.size() ? values[i].where : keyword;
}

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
  FollowComment(field, where, true);
  pending_comment_ = CommaComment{scope, std::string(field), where, "", {}, false};
}

void DiagnosticRecorder::OnKeywordField(KeywordScope scope, std::string_view field,
                                        TextPosition where) {
  FollowComment(field, where, false);
  // A train field that began no record tells nothing (the train has no
  // sections to be in the wrong one of) unless it may be a misspelt keyword;
  // a text of noise has millions, so one such field a line is kept.
  if (!keyword_fields_.empty() && keyword_fields_.back().scope == KeywordScope::kTrainBody &&
      keyword_fields_.back().records.empty() && !keyword_fields_.back().last_of_text) {
    const KeywordFieldRead& last = keyword_fields_.back();
    if (last.where.line != train_candidate_line_ && MayBeUnknownKeyword(last.field)) {
      train_candidate_line_ = last.where.line;
    } else {
      keyword_fields_.pop_back();
    }
  }
  keyword_fields_.push_back(KeywordFieldRead{scope, std::string(field), where, {}, false});
}

void DiagnosticRecorder::OnLastFieldIgnored(KeywordScope scope, std::string_view field,
                                            TextPosition where) {
  FollowComment(field, where, false);
  keyword_fields_.push_back(KeywordFieldRead{scope, std::string(field), where, {}, true});
}

void DiagnosticRecorder::OnRecord(Description description, std::string_view record,
                                  TextPosition keyword) {
  // The current field still holds the keyword field when a record begins.
  records_.push_back(
      RecordRead{description, std::string(record), keyword, state_.current_field, {}});
  if (!keyword_fields_.empty()) {
    KeywordFieldRead& last = keyword_fields_.back();
    if (DescriptionOf(last.scope) == description && SamePosition(last.where, keyword)) {
      last.records.push_back(records_.size() - 1);
    }
  }
}

void DiagnosticRecorder::OnNumber(Description description, TextPosition where, int64_t value) {
  if (std::optional<size_t> last = LastRecord(description)) {
    records_[*last].values.push_back(ValueRead{where, value, ""});
  }
}

void DiagnosticRecorder::OnText(Description description, TextPosition where,
                                std::string_view text) {
  if (std::optional<size_t> last = LastRecord(description)) {
    records_[*last].values.push_back(ValueRead{where, std::nullopt, std::string(text)});
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
  if (!records_.empty()) placed_by_[cell] = Placement{records_.size() - 1, cell_type};
}

const RecordRead* DiagnosticRecorder::PlacedBy(int64_t cell) const {
  return PlacedBy(cell, state_.grid.TypeAt(cell));
}

const RecordRead* DiagnosticRecorder::PlacedBy(int64_t cell, uint8_t cell_type) const {
  auto found = placed_by_.find(cell);
  if (found == placed_by_.end()) return nullptr;
  // The completion pass replaces tunnel markers without telling anyone.
  if (cell_type != found->second.cell_type) return nullptr;
  return &records_[found->second.record];
}

std::optional<size_t> DiagnosticRecorder::LastRecord(Description description) const {
  for (size_t i = records_.size(); i > 0; --i) {
    if (records_[i - 1].description == description) return i - 1;
  }
  return std::nullopt;
}

}  // namespace scenario
