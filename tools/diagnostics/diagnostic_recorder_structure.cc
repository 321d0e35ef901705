// What the recorder keeps about the shape of the texts rather than their
// records: fields of a preamble that would have begun a record, and bare
// numbers read where a keyword is expected right after a record's values.
#include "descriptions/keywords.h"
#include "tools/diagnostics/diagnostic_recorder.h"

namespace scenario {

namespace {

// An optional sign, digits, and trailing blanks: what a number looks like.
bool IsBareNumber(std::string_view field) {
  size_t i = 0;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
  const size_t digits = i;
  while (i < field.size() && field[i] >= '0' && field[i] <= '9') ++i;
  if (i == digits) return false;
  return field.find_first_not_of(" \t", i) == std::string_view::npos;
}

bool StartsLikeANumber(std::string_view field) {
  size_t i = 0;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
  return i < field.size() && field[i] >= '0' && field[i] <= '9';
}

bool HoldsRecordKeyword(Description description, std::string_view field) {
  for (KeywordScope scope :
       {KeywordScope::kLineGeneral, KeywordScope::kLineData, KeywordScope::kTrainBody}) {
    if (DescriptionOf(scope) != description) continue;
    for (const RecordKeyword& keyword : KeywordsOf(scope)) {
      if (Holds(field, keyword)) return true;
    }
  }
  return false;
}

}  // namespace

// Prose may name a record ("il segnale di protezione"); a record stands
// first on its line with a number after it, and only that is taken for one.
void DiagnosticRecorder::OnPreambleField(Description description, std::string_view field,
                                         TextPosition where) {
  Preamble& preamble = preambles_[static_cast<size_t>(description)];
  const bool first_on_line = where.line != preamble.last_line;
  preamble.last_line = where.line;
  if (preamble.candidate && preamble.candidate->where.line == where.line &&
      StartsLikeANumber(field)) {
    std::optional<PreambleRecordRead>& first = preamble_records_[static_cast<size_t>(description)];
    if (!first) first = std::move(preamble.candidate);
    ++first->count;
  }
  preamble.candidate.reset();
  if (first_on_line && HoldsRecordKeyword(description, field)) {
    preamble.candidate = PreambleRecordRead{std::string(field), where, 0};
  }
}

void DiagnosticRecorder::NoteSplitNumber(KeywordScope scope, std::string_view field,
                                         TextPosition where) {
  if (!IsBareNumber(field)) return;
  const std::optional<size_t> last = LastRecord(DescriptionOf(scope));
  // The record that began last must also be the one whose value was read last.
  if (!last || *last + 1 != records_.size()) return;
  const RecordRead& record = records_[*last];
  if (record.value_count == 0) return;
  const size_t value = record.value_count - 1;
  if (value < 32 && (record.text_values >> value & 1) != 0) return;
  if (record.At(value).line != where.line) return;
  split_numbers_.push_back(SplitNumberRead{static_cast<uint32_t>(*last), where});
}

}  // namespace scenario
