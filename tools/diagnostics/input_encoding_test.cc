// The UTF-8 conversion against the shared code-page decoder, over drawn
// texts: every code-page text of shown characters, in UTF-8, converts back to its bytes
// with no fault; any bytes convert without a fault exactly when they are
// UTF-8 of characters the page holds, one byte a character, lines kept.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "tools/diagnostics/input_encoding.h"
#include "tools/common/text.h"

namespace scenario {
namespace {

// A byte the decoder shows as a character rather than an escape.
bool Shown(unsigned char byte) { return CodePageWidth(byte) == 1; }

TEST(InputEncodingPropertyTest, CodePageTextShownInUtf8ConvertsBack) {
  std::mt19937 random(21);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    const size_t length = random() % 40;
    while (bytes.size() < length) {
      const auto byte = static_cast<unsigned char>(random() % 256);
      if (Shown(byte)) bytes.push_back(static_cast<char>(byte));
    }
    const CodePageText converted = Utf8ToCodePage(CodePageToUtf8(bytes));
    EXPECT_TRUE(converted.faults.empty()) << CodePageToUtf8(bytes);
    EXPECT_EQ(converted.bytes, bytes);
  }
}

TEST(InputEncodingPropertyTest, AnyBytesConvertWithAFaultWhereTheyCannot) {
  std::mt19937 random(1252);
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    const size_t length = random() % 24;
    while (text.size() < length) {
      // Mostly ASCII and line ends, with lead and continuation bytes mixed in.
      const unsigned pick = random() % 8;
      text.push_back(static_cast<char>(pick < 4 ? 'a' + random() % 26
                                       : pick == 4 ? '\n'
                                                   : 0x80 + random() % 0x80));
    }
    const CodePageText converted = Utf8ToCodePage(text);
    // A byte-order mark at the start is no character of the text.
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    bool holdable = IsValidUtf8(text);
    size_t characters = 0;
    for (size_t i = 0; holdable && i < text.size(); ++characters) {
      char32_t c = 0;
      i += Utf8SequenceAt(text, i, &c);
      holdable = CodePageByte(c).has_value();
    }
    EXPECT_EQ(converted.faults.empty(), holdable) << CodePageToUtf8(text);
    if (holdable) {
      EXPECT_EQ(converted.bytes.size(), characters);
    }
    EXPECT_EQ(std::count(converted.bytes.begin(), converted.bytes.end(), '\n'),
              std::count(text.begin(), text.end(), '\n'));
    for (const EncodingFault& fault : converted.faults) {
      EXPECT_GE(fault.where.column, 1);
      EXPECT_LE(fault.where.line, 1 + std::count(text.begin(), text.end(), '\n'));
    }
  }
}

}  // namespace
}  // namespace scenario
