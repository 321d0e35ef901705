// The field stream shared by both description readers.
//
// A description is one stream of fields: a field ends at a comma or at a line
// end (CR LF or LF alone; a lone CR is an ordinary character), and blanks
// (space, tab) at its start are skipped. A text field keeps its trailing
// blanks. A number is an optional sign and decimal digits ending at a blank,
// comma, line end or the end of the data; the blanks and the one comma or
// line end after it belong to it. The end of the data is reached when a field
// and its separator have been read and nothing follows.
//
// Reading past the end of the data, a field that is not a number where one is
// expected and a value that does not fit its width throw DescriptionFailure:
// the readers turn that into their common failure path.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/status.h"

namespace scenario {

class FieldStream {
 public:
  explicit FieldStream(std::string_view text);

  // True once a read has consumed the last byte of the data.
  bool AtEnd() const { return pos_ >= text_.size(); }

  // The next field as text, leading blanks skipped, trailing blanks kept.
  std::string ReadField();
  // A text value that goes into a table's string field (at most 65535 bytes).
  std::string ReadText();
  // The next number, checked against the width that receives it.
  int32_t ReadInt32();
  int16_t ReadInt16();
  uint8_t ReadUint8();

  // Where the field returned last began (its first non-blank character).
  TextPosition last_position() const { return last_; }
  // Where the next read will begin.
  TextPosition next_position() const;
  std::string_view text() const { return text_; }

 private:
  int64_t ReadNumber(int64_t min, int64_t max, const char* width);
  void SkipBlanks();
  // Consumes a line end at pos_ if there is one.
  void ConsumeLineEnd();
  void RequireData(const char* what);

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  size_t line_start_ = 0;
  TextPosition last_;
};

// Keyword tests. Case folding covers A-Z only.
bool ContainsExact(std::string_view field, std::string_view word);
bool ContainsAnyCase(std::string_view field, std::string_view word);

}  // namespace scenario
