#include "tools/common/text.h"

#include <gtest/gtest.h>

#include <random>

namespace scenario {
namespace {

// No control character but the tab survives into shown text, and what is
// shown is always strict UTF-8.
void ExpectShowable(const std::string& shown, const std::string& input) {
  EXPECT_TRUE(IsValidUtf8(shown)) << testing::PrintToString(input);
  for (size_t i = 0; i < shown.size(); ++i) {
    const auto c = static_cast<unsigned char>(shown[i]);
    EXPECT_FALSE(c < 0x20 && c != '\t') << testing::PrintToString(input);
    EXPECT_NE(c, 0x7F) << testing::PrintToString(input);
    // U+0080..U+009F are C2 80..C2 9F in UTF-8.
    if (c == 0xC2 && i + 1 < shown.size()) {
      EXPECT_GE(static_cast<unsigned char>(shown[i + 1]), 0xA0) << testing::PrintToString(input);
    }
  }
}

TEST(ShownTextTest, AnyBytesGiveValidUtf8WithoutControls) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 24);
  for (int round = 0; round < 20000; ++round) {
    std::string input(static_cast<size_t>(length(random)), '\0');
    // Half the strings lean on the bytes that start and continue UTF-8.
    for (char& c : input) c = static_cast<char>(round % 2 ? byte(random) : 0x80 | (byte(random) & 0x7F));
    ExpectShowable(DisplayText(input), input);
    ExpectShowable(CodePageToUtf8(input), input);
    ExpectShowable(XmlEscape(input), input);
    ExpectShowable(QuotedName(input), input);
  }
}

TEST(ShownTextTest, Utf8LookalikesAreReadAsTheCodePage) {
  struct Case {
    std::string input;
    std::string shown;
  };
  const Case cases[] = {
      {"z\xE0\x80\x80", "z\xC3\xA0\xE2\x82\xAC\xE2\x82\xAC"},  // overlong: "zà€€"
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},         // a surrogate: "í €"
      {"\xF4\x90\x80\x80", "\xC3\xB4\\x90\xE2\x82\xAC\xE2\x82\xAC"},  // beyond U+10FFFF
      {"\xF5", "\xC3\xB5"},
      {"a\x1b[2J", "a\\x1b[2J"},
      {"\xC2\x9B", "\\x9b"},  // a C1 control in UTF-8 is escaped
  };
  for (const Case& c : cases) EXPECT_EQ(DisplayText(c.input), c.shown) << testing::PrintToString(c.input);
  // Strict UTF-8 (a file name, a message built in UTF-8) is kept as it is.
  EXPECT_EQ(DisplayText("CITT\xC3\x80"), "CITT\xC3\x80");
  // A name read from the compiled files always shows as the simulator shows it.
  EXPECT_EQ(CodePageToUtf8("CITT\xC3\x80"), "CITT\xC3\x83\xE2\x82\xAC");
  EXPECT_EQ(CodePageToUtf8("\x81\x8D\x8F\x90\x9D"), "\\x81\\x8d\\x8f\\x90\\x9d");
}

TEST(ShownTextTest, EveryCharacterOfTheCodePageMapsBackToItsByte) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const char32_t c = CodePageChar(byte);
    if (c == 0xFFFD) {
      EXPECT_EQ(CodePageWidth(byte), 4u) << b;
      continue;
    }
    ASSERT_TRUE(CodePageByte(c).has_value()) << b;
    EXPECT_EQ(*CodePageByte(c), byte);
  }
  EXPECT_FALSE(CodePageByte(0x4E2D).has_value());  // a character the page has no byte for
  EXPECT_EQ(CodePageChar(0x80), 0x20ACu);
  EXPECT_EQ(CodePageChar(0xD9), 0xD9u);
}

}  // namespace
}  // namespace scenario
