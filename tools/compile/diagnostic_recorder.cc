#include "tools/compile/diagnostic_recorder.h"

#include <climits>
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
  if (i >= value_count || (i < 32 && (text_values >> i & 1) != 0)) return std::nullopt;
  return recorder->NumberAt(first_value + i);
}

std::string RecordRead::Text(size_t i) const {
  if (i >= value_count || i >= 32 || (text_values >> i & 1) == 0) return "";
  return std::string(recorder->TextAt(static_cast<size_t>(recorder->NumberAt(first_value + i))));
}

TextPosition RecordRead::At(size_t i) const {
  return i < value_count ? recorder->WhereAt(first_value + i) : keyword;
}

std::string_view RecordRead::Field() const { return recorder->FieldOf(*this); }

int64_t DiagnosticRecorder::NumberAt(size_t i) const {
  const int32_t number = values_[i].number;
  if (number != INT32_MIN) return number;
  auto wide = wide_numbers_.find(i);
  return wide == wide_numbers_.end() ? number : wide->second;
}

std::string_view DiagnosticRecorder::TextAt(size_t i) const {
  if (i >= text_places_.size()) return {};
  return std::string_view(text_values_).substr(text_places_[i].start, text_places_[i].length);
}

std::string_view DiagnosticRecorder::FieldOf(const RecordRead& record) const {
  auto copy = record_fields_.find({record.description, {record.keyword.line, record.keyword.column}});
  if (copy != record_fields_.end()) return copy->second;
  const SourceLines* lines = record.description == Description::kLine ? line_ : train_;
  return lines == nullptr ? std::string_view() : lines->At(record.keyword, record.field_length);
}

std::string_view DiagnosticRecorder::Kept(Description description, std::string_view field,
                                          TextPosition where) {
  const SourceLines* lines = description == Description::kLine ? line_ : train_;
  if (lines != nullptr) {
    const std::string_view in_text = lines->At(where, field.size());
    if (in_text == field) return in_text;
  }
  return copies_.emplace_back(field);
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
  keyword_fields_.push_back(
      KeywordFieldRead{Kept(DescriptionOf(scope), field, where), where, {}, scope, false});
}

void DiagnosticRecorder::OnLastFieldIgnored(KeywordScope scope, std::string_view field,
                                            TextPosition where) {
  FollowComment(field, where, false);
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
        last.records = std::views::iota(first, at + 1);
      }
    }
  }
}

void DiagnosticRecorder::AddValue(Description description, TextPosition where, int64_t number,
                                  bool text) {
  const std::optional<size_t> last = LastRecord(description);
  if (!last) return;
  RecordRead& record = records_[*last];
  // A record's values stand together at the end of the list; one whose
  // values were followed by another's moves them to the end first.
  if (record.first_value + record.value_count != values_.size()) {
    const size_t first = values_.size();
    for (size_t i = 0; i < record.value_count; ++i) values_.push_back(values_[record.first_value + i]);
    record.first_value = static_cast<uint32_t>(first);
  }
  if (text && record.value_count < 32) record.text_values |= uint32_t{1} << record.value_count;
  if (number <= INT32_MIN || number > INT32_MAX) {
    wide_numbers_[values_.size()] = number;
    values_.push_back(ValueRead{where, INT32_MIN});
  } else {
    values_.push_back(ValueRead{where, static_cast<int32_t>(number)});
  }
  ++record.value_count;
}

void DiagnosticRecorder::OnNumber(Description description, TextPosition where, int64_t value) {
  AddValue(description, where, value, false);
}

void DiagnosticRecorder::OnText(Description description, TextPosition where,
                                std::string_view text) {
  text_places_.push_back(
      TextPlace{static_cast<uint32_t>(text_values_.size()), static_cast<uint32_t>(text.size())});
  text_values_.append(text);
  AddValue(description, where, static_cast<int64_t>(text_places_.size() - 1), true);
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

const std::vector<const RecordRead*>& DiagnosticRecorder::RecordsOf(std::string_view kind) const {
  if (!indexed_) {
    std::vector<size_t> counts(256);
    for (const RecordRead& record : records_) ++counts[record.kind.code()];
    by_kind_.assign(256, {});
    for (size_t code = 0; code < 256; ++code) by_kind_[code].reserve(counts[code]);
    for (const RecordRead& record : records_) by_kind_[record.kind.code()].push_back(&record);
    indexed_ = true;
  }
  static const std::vector<const RecordRead*> kNone;
  const RecordKind wanted(kind);
  return wanted.code() == 0 ? kNone : by_kind_[wanted.code()];
}

}  // namespace scenario
