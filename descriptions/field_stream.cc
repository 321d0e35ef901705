#include "descriptions/field_stream.h"

#include <limits>

namespace scenario {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Longest text a table's string field can hold: its length prefix is 16 bits.
constexpr size_t kMaxTextBytes = 65535;

}  // namespace

FieldStream::FieldStream(std::string_view text) : text_(text) {}

TextPosition FieldStream::next_position() const {
  return TextPosition{line_, static_cast<int>(pos_ - line_start_) + 1};
}

void FieldStream::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

void FieldStream::ConsumeLineEnd() {
  size_t length = 0;
  if (pos_ < text_.size() && text_[pos_] == '\n') {
    length = 1;
  } else if (pos_ + 1 < text_.size() && text_[pos_] == '\r' && text_[pos_ + 1] == '\n') {
    length = 2;
  }
  if (length == 0) return;
  pos_ += length;
  ++line_;
  line_start_ = pos_;
}

void FieldStream::RequireData(const char* what) {
  if (AtEnd()) {
    last_ = next_position();
    throw DescriptionFailure(std::string("the description ends where ") + what + " is expected",
                             last_);
  }
}

std::string FieldStream::ReadField() {
  RequireData("a field");
  SkipBlanks();
  last_ = next_position();
  size_t start = pos_;
  while (pos_ < text_.size()) {
    char c = text_[pos_];
    if (c == ',' || c == '\n' || (c == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')) {
      break;
    }
    ++pos_;
  }
  std::string field(text_.substr(start, pos_ - start));
  // The separator belongs to the field it ends.
  if (pos_ < text_.size() && text_[pos_] == ',') {
    ++pos_;
  } else {
    ConsumeLineEnd();
  }
  return field;
}

std::string FieldStream::ReadText() {
  std::string text = ReadField();
  if (text.size() > kMaxTextBytes) {
    throw DescriptionFailure("a text of " + std::to_string(text.size()) +
                                 " bytes is longer than the 65535 a table field can hold",
                             last_);
  }
  return text;
}

int64_t FieldStream::ReadNumber(int64_t min, int64_t max, const char* width) {
  RequireData("a number");
  SkipBlanks();
  last_ = next_position();
  const size_t start = pos_;
  size_t p = pos_;
  bool negative = false;
  if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) {
    negative = text_[p] == '-';
    ++p;
  }
  const size_t digits_start = p;
  // Every value wider than 32 bits is refused, so the magnitude is capped
  // just above that instead of being allowed to overflow.
  constexpr int64_t kCap = int64_t{1} << 40;
  int64_t magnitude = 0;
  while (p < text_.size() && IsDigit(text_[p])) {
    if (magnitude < kCap) magnitude = magnitude * 10 + (text_[p] - '0');
    ++p;
  }
  bool ends_well = p == text_.size() || IsBlank(text_[p]) || text_[p] == ',' || text_[p] == '\n' ||
                   (text_[p] == '\r' && p + 1 < text_.size() && text_[p + 1] == '\n');
  if (p == digits_start || !ends_well) {
    size_t end = start;
    while (end < text_.size() && text_[end] != ',' && text_[end] != '\n' && text_[end] != '\r') {
      ++end;
    }
    throw DescriptionFailure(
        "'" + std::string(text_.substr(start, end - start)) + "' is not a number", last_);
  }
  const std::string digits(text_.substr(start, p - start));
  // The blanks and the one separator after a number belong to it.
  pos_ = p;
  SkipBlanks();
  if (pos_ < text_.size() && text_[pos_] == ',') {
    ++pos_;
  } else {
    ConsumeLineEnd();
  }
  int64_t value = negative ? -magnitude : magnitude;
  if (value < min || value > max) {
    throw DescriptionFailure("'" + digits + "' does not fit " + width + " (" +
                                 std::to_string(min) + " to " + std::to_string(max) + ")",
                             last_);
  }
  return value;
}

int32_t FieldStream::ReadInt32() {
  return static_cast<int32_t>(ReadNumber(std::numeric_limits<int32_t>::min(),
                                         std::numeric_limits<int32_t>::max(), "32 bits"));
}

int16_t FieldStream::ReadInt16() {
  return static_cast<int16_t>(ReadNumber(std::numeric_limits<int16_t>::min(),
                                         std::numeric_limits<int16_t>::max(), "16 bits"));
}

uint8_t FieldStream::ReadUint8() {
  return static_cast<uint8_t>(ReadNumber(0, 255, "8 bits unsigned"));
}

bool ContainsExact(std::string_view field, std::string_view word) {
  return field.find(word) != std::string_view::npos;
}

bool ContainsAnyCase(std::string_view field, std::string_view word) {
  if (word.size() > field.size()) return false;
  for (size_t i = 0; i + word.size() <= field.size(); ++i) {
    size_t k = 0;
    while (k < word.size() && FoldCase(field[i + k]) == FoldCase(word[k])) ++k;
    if (k == word.size()) return true;
  }
  return false;
}

}  // namespace scenario
