// The listener scenario-compile attaches to the compile step: it keeps every
// keyword field examined, every record with its values and where they stand,
// which record placed the object in each cell, and every error recorded on
// the way. Diagnostics are built from it once the compile has run.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/generator_state.h"
#include "descriptions/read_observer.h"
#include "tools/diagnostics/diagnostic.h"
#include "tools/diagnostics/record_kind.h"

namespace scenario {

class DiagnosticRecorder;

// One value field of a record: where it stands and the number read (the
// readers read at most 32 bits), or for a text value where the recorder
// keeps the text.
struct ValueRead {
  TextPosition where;
  int32_t number = 0;
};

// The records of a description run into the millions, so each is kept in a
// few words: its values are a slice of the recorder's one list of values,
// its kind and its keyword field views of texts that outlive the recorder.
struct RecordRead {
  const DiagnosticRecorder* recorder = nullptr;
  TextPosition keyword;
  uint32_t first_value = 0;
  uint32_t text_values = 0;  // bit i: the i-th value is a text
  uint32_t field_length = 0;
  uint16_t value_count = 0;
  Description description = Description::kLine;
  RecordKind kind;  // "gradient", "signal", "stop", ...

  // The keyword field.
  std::string_view Field() const;
  // The i-th value field (from 0) as a number, when it was read.
  std::optional<int64_t> Number(size_t i) const;
  // The i-th value field as text, or "" when it was not read.
  std::string Text(size_t i) const;
  // Where the i-th value field stands; the keyword field when it was not read.
  TextPosition At(size_t i) const;
};

// Record indices first .. end - 1, in order; a range-for gives each. (The
// standard's iota_view does the same, but clang 14 cannot compile it
// against this C++ library, and the sanitizer build uses clang.)
class RecordIndices {
 public:
  struct Iterator {
    uint32_t index;
    uint32_t operator*() const { return index; }
    Iterator& operator++() {
      ++index;
      return *this;
    }
    bool operator!=(const Iterator& other) const { return index != other.index; }
  };
  RecordIndices() = default;
  RecordIndices(uint32_t first, uint32_t end) : first_(first), end_(end) {}
  Iterator begin() const { return {first_}; }
  Iterator end() const { return {end_}; }
  bool empty() const { return first_ == end_; }
  uint32_t front() const { return first_; }
  uint32_t back() const { return end_ - 1; }

 private:
  uint32_t first_ = 0;
  uint32_t end_ = 0;
};

// In 40 bytes: the widest members first. Kept only for the fields a
// diagnostic may need (DiagnosticRecorder::SettleLastField): a text has one
// at every comma, and most tell nothing.
struct KeywordFieldRead {
  std::string_view field;
  TextPosition where;
  // Indices into the records, in order: the records a field begins follow
  // each other.
  RecordIndices records;
  KeywordScope scope = KeywordScope::kLineData;
  bool last_of_text = false;  // the last field of the text, never examined
  bool settled = false;       // kept for good, its records known
};

// A comment field that ended at a comma: another field followed it on its
// line, read where a keyword field is expected.
struct CommaComment {
  KeywordScope scope = KeywordScope::kLineData;
  std::string field;
  TextPosition where;
  std::string next_field;  // the field after the comma
  TextPosition next_where;
  bool next_is_comment = false;

  // Where the comma stands: right after the field, which keeps its blanks.
  TextPosition Comma() const {
    return TextPosition{where.line, where.column + static_cast<int>(field.size())};
  }
};

struct ErrorRead {
  Description description = Description::kLine;
  int32_t code = 0;
  TextPosition where;            // the keyword field the reader stood at
  int32_t error_position = 0;    // as stored with the code
  std::optional<size_t> record;  // the record being read, if any
  // The grid's cell types when the reader stopped, for the errors about an
  // occupied cell (6, 7, 16 to 21); empty for the others.
  std::vector<uint8_t> grid_types;
};

struct FailureRead {
  Description description = Description::kLine;
  std::string reason;
  TextPosition where;
  std::optional<size_t> record;  // the record being read, if any
};

// A field of a preamble that holds a record keyword of its description:
// the first such field, and how many there are.
struct PreambleRecordRead {
  std::string field;
  TextPosition where;
  int64_t count = 0;
};

// A keyword field that is a bare number standing on the line of a record's
// last value, right after it: "8,5" read as 8 and then the field "5".
struct SplitNumberRead {
  uint32_t record = 0;  // the record whose last value comes before it
  TextPosition where;   // the bare number
};

class DiagnosticRecorder : public ReadObserver {
 public:
  // The lines of the texts being read, which outlive the recorder: the
  // fields it keeps are views into them. Without them it keeps copies.
  explicit DiagnosticRecorder(const GeneratorState& state, const SourceLines* line = nullptr,
                              const SourceLines* train = nullptr)
      : state_(state), line_(line), train_(train) {}
  DiagnosticRecorder(const DiagnosticRecorder&) = delete;
  DiagnosticRecorder& operator=(const DiagnosticRecorder&) = delete;

  void OnComment(KeywordScope scope, std::string_view field, TextPosition where) override;
  void OnKeywordField(KeywordScope scope, std::string_view field, TextPosition where) override;
  void OnLastFieldIgnored(KeywordScope scope, std::string_view field, TextPosition where) override;
  void OnRecord(Description description, std::string_view record, TextPosition keyword) override;
  void OnNumber(Description description, TextPosition where, int64_t value) override;
  void OnText(Description description, TextPosition where, std::string_view text) override;
  void OnError(Description description, int32_t code, TextPosition where) override;
  void OnFailure(Description description, const std::string& reason, TextPosition where) override;
  void OnPlace(int64_t cell, uint8_t cell_type) override;
  void OnRuleApplied(AppliedRule rule) override;
  void OnPreambleField(Description description, std::string_view field,
                       TextPosition where) override;

  // The first preamble field that holds a record keyword, if any.
  const std::optional<PreambleRecordRead>& preamble_record(Description description) const {
    return preamble_records_[static_cast<size_t>(description)];
  }
  // Whether the reader went past the "[generale]" field into the body.
  bool body_read(Description description) const {
    return body_read_[static_cast<size_t>(description)];
  }
  const std::vector<SplitNumberRead>& split_numbers() const { return split_numbers_; }

  const std::deque<RecordRead>& records() const { return records_; }
  // The keyword fields a diagnostic may need, in reading order: those that
  // began several records or hold a comment mark; of those that began none,
  // the ones the field warnings look at, and on each line the first that
  // may be a misspelt keyword, as long as fewer than a text shows of the
  // unknown-keyword warnings were kept, or the line holds a comment or a
  // text whose comma may take the warning over.
  const std::deque<KeywordFieldRead>& keyword_fields() const { return keyword_fields_; }
  // The unknown-keyword warnings past those kept, counted but not kept.
  int64_t unknown_keywords_counted() const { return unknown_counted_; }
  // The records of one kind, in reading order.
  const std::vector<const RecordRead*>& RecordsOf(std::string_view kind) const;
  // The i-th of all values read: its number and whether it is a text.
  int64_t NumberAt(size_t i) const;
  TextPosition WhereAt(size_t i) const { return values_[i].where; }
  // The text value i.
  std::string_view TextAt(size_t i) const;
  std::string_view FieldOf(const RecordRead& record) const;
  const std::vector<CommaComment>& comments() const { return comments_; }
  const std::vector<ErrorRead>& errors() const { return errors_; }
  const std::optional<FailureRead>& failure() const { return failure_; }

  // The record that put the object now in the cell there; null when no
  // record of the descriptions did (an empty cell, or the completion pass).
  const RecordRead* PlacedBy(int64_t cell) const;
  // The same for a cell known to hold an object of this type.
  const RecordRead* PlacedBy(int64_t cell, uint8_t cell_type) const;
  // Whether a reader or a writer applied the rule to the record.
  bool RuleApplied(AppliedRule rule, const RecordRead& record) const {
    return rules_applied_.contains({rule, &record});
  }
  // The index of the record of `description` that began last.
  std::optional<size_t> LastRecord(Description description) const;

 private:
  // The field as a view into the text it was read from, or a kept copy.
  std::string_view Kept(Description description, std::string_view field, TextPosition where);

  const GeneratorState& state_;
  const SourceLines* line_;
  const SourceLines* train_;
  // Deques: no copy of a long list as it grows, and records stay in place.
  std::deque<RecordRead> records_;
  std::deque<ValueRead> values_;
  std::string text_values_;  // every text value, one after another
  struct TextPlace {
    uint32_t start;
    uint32_t length;
  };
  std::vector<TextPlace> text_places_;
  std::map<size_t, int64_t> wide_numbers_;  // by value: those that need more than 31 bits
  std::deque<std::string> copies_;          // fields not found in a text at hand
  // The keyword fields of records not found in a text at hand, by place.
  std::map<std::pair<Description, std::pair<int, int>>, std::string> record_fields_;
  std::optional<size_t> last_[2];     // the record that began last, per description
  mutable std::vector<std::vector<const RecordRead*>> by_kind_;  // by kind code
  mutable bool indexed_ = false;
  void AddValue(Description description, TextPosition where, int64_t number, bool text);
  // Whether the field that follows a comment stands on its line.
  void FollowComment(std::string_view field, TextPosition where, bool is_comment);
  // Keeps the field read last, now that its records are known, or counts
  // or drops it (see keyword_fields()).
  void SettleLastField();

  std::deque<KeywordFieldRead> keyword_fields_;
  std::vector<CommaComment> comments_;
  std::optional<CommaComment> pending_comment_;  // the comment read last
  // Per description: the line of the last field that may be a misspelt
  // keyword, the last line that held a comment or a text value, and the
  // unknown-keyword warnings whose fields were kept.
  int candidate_line_[2] = {0, 0};
  int comma_line_[2] = {0, 0};
  size_t unknown_kept_[2] = {0, 0};
  int64_t unknown_counted_ = 0;
  std::vector<ErrorRead> errors_;
  std::optional<FailureRead> failure_;
  struct Placement {
    uint32_t record = 0;  // the record's index + 1; 0: none
    uint8_t cell_type = 0;
  };
  std::vector<Placement> placed_by_;  // by cell
  std::set<std::pair<AppliedRule, const RecordRead*>> rules_applied_;

  // Structure of the texts (diagnostic_recorder_structure.cc).
  void NoteBody(KeywordScope scope) { body_read_[static_cast<size_t>(DescriptionOf(scope))] = true; }
  void NoteSplitNumber(KeywordScope scope, std::string_view field, TextPosition where);
  std::optional<PreambleRecordRead> preamble_records_[2];
  struct Preamble {
    int last_line = 0;
    std::optional<PreambleRecordRead> candidate;  // a keyword field first on its line
  };
  Preamble preambles_[2];
  bool body_read_[2] = {false, false};
  std::vector<SplitNumberRead> split_numbers_;
};

}  // namespace scenario
