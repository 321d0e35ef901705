// The listener scenario-compile attaches to the compile step: it keeps every
// keyword field examined, every record with its values and where they stand,
// which record placed the object in each cell, and every error recorded on
// the way. Diagnostics are built from it once the compile has run.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/generator_state.h"
#include "descriptions/read_observer.h"

namespace scenario {

struct ValueRead {
  TextPosition where;
  std::optional<int64_t> number;  // set for numbers
  std::string text;               // set for text values
};

struct RecordRead {
  Description description = Description::kLine;
  std::string kind;  // "gradient", "signal", "stop", ...
  TextPosition keyword;
  std::string field;  // the keyword field
  std::vector<ValueRead> values;

  // The i-th value field (from 0) as a number, when it was read.
  std::optional<int64_t> Number(size_t i) const;
  // The i-th value field as text, or "" when it was not read.
  std::string Text(size_t i) const;
  // Where the i-th value field stands; the keyword field when it was not read.
  TextPosition At(size_t i) const;
};

struct KeywordFieldRead {
  KeywordScope scope = KeywordScope::kLineData;
  std::string field;
  TextPosition where;
  std::vector<size_t> records;  // indices into the records, in order
  bool last_of_text = false;    // the last field of the text, never examined
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

class DiagnosticRecorder : public ReadObserver {
 public:
  explicit DiagnosticRecorder(const GeneratorState& state) : state_(state) {}

  void OnComment(KeywordScope scope, std::string_view field, TextPosition where) override;
  void OnKeywordField(KeywordScope scope, std::string_view field, TextPosition where) override;
  void OnLastFieldIgnored(KeywordScope scope, std::string_view field, TextPosition where) override;
  void OnRecord(Description description, std::string_view record, TextPosition keyword) override;
  void OnNumber(Description description, TextPosition where, int64_t value) override;
  void OnText(Description description, TextPosition where, std::string_view text) override;
  void OnError(Description description, int32_t code, TextPosition where) override;
  void OnFailure(Description description, const std::string& reason, TextPosition where) override;
  void OnPlace(int64_t cell, uint8_t cell_type) override;

  const std::vector<RecordRead>& records() const { return records_; }
  const std::vector<KeywordFieldRead>& keyword_fields() const { return keyword_fields_; }
  const std::vector<CommaComment>& comments() const { return comments_; }
  const std::vector<ErrorRead>& errors() const { return errors_; }
  const std::optional<FailureRead>& failure() const { return failure_; }

  // The record that put the object now in the cell there; null when no
  // record of the descriptions did (an empty cell, or the completion pass).
  const RecordRead* PlacedBy(int64_t cell) const;
  // The same for a cell known to hold an object of this type.
  const RecordRead* PlacedBy(int64_t cell, uint8_t cell_type) const;
  // The index of the record of `description` that began last.
  std::optional<size_t> LastRecord(Description description) const;

 private:
  const GeneratorState& state_;
  std::vector<RecordRead> records_;
  // Whether the field that follows a comment stands on its line.
  void FollowComment(std::string_view field, TextPosition where, bool is_comment);

  std::vector<KeywordFieldRead> keyword_fields_;
  std::vector<CommaComment> comments_;
  std::optional<CommaComment> pending_comment_;  // the comment read last
  int train_candidate_line_ = 0;  // the line of the last train field kept as a candidate
  std::vector<ErrorRead> errors_;
  std::optional<FailureRead> failure_;
  struct Placement {
    size_t record;
    uint8_t cell_type;
  };
  std::map<int64_t, Placement> placed_by_;
};

}  // namespace scenario
