// How the recorder keeps records, their values and fields: in a few words
// each, the texts found again in the descriptions (which outlive it), and
// the records indexed by kind once they are all read.
#include "tools/diagnostics/diagnostic_recorder.h"

#include <climits>

namespace scenario {

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
  // A comma after a stop name or a sign text may take over the warning of
  // a field later on its line.
  comma_line_[static_cast<size_t>(description)] = where.line;
  text_places_.push_back(
      TextPlace{static_cast<uint32_t>(text_values_.size()), static_cast<uint32_t>(text.size())});
  text_values_.append(text);
  AddValue(description, where, static_cast<int64_t>(text_places_.size() - 1), true);
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
