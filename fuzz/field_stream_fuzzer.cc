// Fuzz target: the field stream alone. The first bytes choose a sequence of
// reads (field, text, 32-, 16- or 8-bit number), the rest is the text. Every
// read is compared with a plain reference reader written from the field
// rules: the same value or the same failure, and the stream left at the same
// place. The keyword tests are compared with a plain reference too.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "descriptions/field_stream.h"

namespace {

using scenario::FieldStream;
using scenario::TextPosition;

[[noreturn]] void Broken(const std::string& what) {
  std::fprintf(stderr, "field stream invariant broken: %s\n", what.c_str());
  std::abort();
}

// The reference: an offset into the text and the rules, nothing else.
class ReferenceReader {
 public:
  explicit ReferenceReader(std::string_view text) : text_(text) {}
  size_t offset() const { return at_; }

  // A field up to the next comma or line end; the separator goes with it.
  std::optional<std::string> Field(size_t longest) {
    if (at_ >= text_.size()) return std::nullopt;
    SkipBlanks();
    const size_t start = at_;
    while (at_ < text_.size() && text_[at_] != ',' && LineEndAt(at_) == 0) ++at_;
    std::string field(text_.substr(start, at_ - start));
    if (at_ < text_.size() && text_[at_] == ',') {
      ++at_;
    } else {
      at_ += LineEndAt(at_);
    }
    if (field.size() > longest) return std::nullopt;
    return field;
  }

  // An optional sign and digits ending at a blank, a comma, a line end or
  // the end; the blanks and one separator after it go with it.
  std::optional<int64_t> Number(int64_t min, int64_t max) {
    if (at_ >= text_.size()) return std::nullopt;
    SkipBlanks();
    size_t p = at_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
    const size_t digits = p;
    long double value = 0;
    while (p < text_.size() && text_[p] >= '0' && text_[p] <= '9') value = value * 10 + (text_[p++] - '0');
    if (p == digits) return std::nullopt;
    if (p < text_.size() && text_[p] != ' ' && text_[p] != '\t' && text_[p] != ',' && LineEndAt(p) == 0) {
      return std::nullopt;
    }
    at_ = p;
    SkipBlanks();
    if (at_ < text_.size() && text_[at_] == ',') {
      ++at_;
    } else {
      at_ += LineEndAt(at_);
    }
    if (negative) value = -value;
    if (value < min || value > max) return std::nullopt;
    return static_cast<int64_t>(value);
  }

 private:
  size_t LineEndAt(size_t p) const {
    if (p < text_.size() && text_[p] == '\n') return 1;
    if (p + 1 < text_.size() && text_[p] == '\r' && text_[p + 1] == '\n') return 2;
    return 0;
  }
  void SkipBlanks() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
  }

  std::string_view text_;
  size_t at_ = 0;
};

// The stream's place as an offset: its line and column over the line starts.
size_t OffsetOf(std::string_view text, TextPosition position) {
  size_t line_start = 0;
  for (int line = 1; line < position.line; ++line) line_start = text.find('\n', line_start) + 1;
  return line_start + static_cast<size_t>(position.column) - 1;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

void CheckKeywordTests(std::string_view field, std::string_view word) {
  if (scenario::ContainsAnyCase(field, word) != (Lower(field).find(Lower(word)) != std::string::npos)) {
    Broken("ContainsAnyCase disagrees with the reference");
  }
  if (scenario::ContainsExact(field, word) != (field.find(word) != std::string_view::npos)) {
    Broken("ContainsExact disagrees with the reference");
  }
}

template <typename Read>
std::optional<int64_t> Attempt(Read read) {
  try {
    return read();
  } catch (const scenario::DescriptionFailure&) {
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  const size_t read_count = provider.ConsumeIntegralInRange<size_t>(0, 64);
  const std::vector<uint8_t> reads = provider.ConsumeBytes<uint8_t>(read_count);
  const std::string word = provider.ConsumeRandomLengthString(12);
  const std::string text = provider.ConsumeRemainingBytesAsString();

  FieldStream stream(text);
  ReferenceReader reference(text);
  for (uint8_t read : reads) {
    bool same = true;
    bool failed = false;
    const int kind = read % 5;
    if (kind <= 1) {
      const size_t longest = kind == 0 ? text.size() : 65535;
      std::optional<std::string> field;
      try {
        field = kind == 0 ? stream.ReadField() : stream.ReadText();
      } catch (const scenario::DescriptionFailure&) {
        failed = true;
      }
      const std::optional<std::string> expected = reference.Field(longest);
      same = field == expected;
      if (field) CheckKeywordTests(*field, word);
    } else {
      static constexpr int64_t kMin[] = {INT32_MIN, INT16_MIN, 0};
      static constexpr int64_t kMax[] = {INT32_MAX, INT16_MAX, 255};
      const int width = kind - 2;
      const std::optional<int64_t> value = Attempt([&]() -> int64_t {
        if (width == 0) return stream.ReadInt32();
        if (width == 1) return stream.ReadInt16();
        return stream.ReadUint8();
      });
      failed = !value;
      same = value == reference.Number(kMin[width], kMax[width]);
    }
    if (!same) Broken("read " + std::to_string(kind) + " disagrees with the reference");
    // The readers end at their first failure; so does this run. Where the
    // stream stands after a failure is of no use to anyone.
    if (failed) return 0;
    if (OffsetOf(text, stream.next_position()) != reference.offset()) {
      Broken("the stream stands elsewhere than the reference after read " + std::to_string(kind));
    }
    if (stream.AtEnd() != (reference.offset() >= text.size())) Broken("AtEnd disagrees");
  }
  return 0;
}
