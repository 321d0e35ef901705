// Fuzz target: the field stream alone. The first bytes choose a sequence of
// reads (field, text, 32-, 16- or 8-bit number), the rest is the text. After
// every read the stream must have moved forward, and what it returned must
// obey the field rules; the keyword tests are checked against a plain
// reference.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

bool Before(TextPosition a, TextPosition b) {
  return a.line < b.line || (a.line == b.line && a.column < b.column);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

void CheckField(const std::string& field, size_t limit) {
  if (field.find(',') != std::string::npos) Broken("a field holds a comma");
  if (field.find('\n') != std::string::npos) Broken("a field holds a line end");
  if (!field.empty() && (field.front() == ' ' || field.front() == '\t')) {
    Broken("a field begins with a blank");
  }
  if (field.size() > limit) Broken("a text longer than its limit");
}

void CheckKeywordTests(std::string_view field, std::string_view word) {
  const bool any_case = scenario::ContainsAnyCase(field, word);
  if (any_case != (Lower(field).find(Lower(word)) != std::string::npos)) {
    Broken("ContainsAnyCase disagrees with the reference");
  }
  const bool exact = scenario::ContainsExact(field, word);
  if (exact && !any_case) Broken("an exact match that is no match in any case");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  const size_t read_count = provider.ConsumeIntegralInRange<size_t>(0, 64);
  std::vector<uint8_t> reads = provider.ConsumeBytes<uint8_t>(read_count);
  const std::string word = provider.ConsumeRandomLengthString(12);
  const std::string text = provider.ConsumeRemainingBytesAsString();

  FieldStream stream(text);
  TextPosition before = stream.next_position();
  for (uint8_t read : reads) {
    const bool was_at_end = stream.AtEnd();
    try {
      switch (read % 5) {
        case 0: {
          const std::string field = stream.ReadField();
          CheckField(field, text.size());
          CheckKeywordTests(field, word);
          break;
        }
        case 1:
          CheckField(stream.ReadText(), 65535);
          break;
        case 2:
          stream.ReadInt32();
          break;
        case 3:
          stream.ReadInt16();
          break;
        case 4: {
          const int value = stream.ReadUint8();
          if (value < 0 || value > 255) Broken("an 8-bit value out of range");
          break;
        }
      }
    } catch (const scenario::DescriptionFailure&) {
      // The readers end at their first failure; so does this run.
      return 0;
    }
    if (was_at_end) Broken("a read at the end of the data did not fail");
    const TextPosition after = stream.next_position();
    if (!Before(before, after)) Broken("a read did not move the stream forward");
    if (Before(after, stream.last_position())) Broken("the last field begins after the cursor");
    before = after;
  }
  return 0;
}
