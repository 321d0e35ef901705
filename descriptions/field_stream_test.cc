#include "descriptions/field_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario {
namespace {

std::vector<std::string> AllFields(std::string_view text) {
  FieldStream stream(text);
  std::vector<std::string> fields;
  while (!stream.AtEnd()) fields.push_back(stream.ReadField());
  return fields;
}

TEST(FieldStreamTest, CommasAndLineEndsSeparateFields) {
  struct Case {
    std::string text;
    std::vector<std::string> fields;
  };
  const Case cases[] = {
      {"a,b\r\nc\r\n", {"a", "b", "c"}},
      {"a,b\nc", {"a", "b", "c"}},
      // Leading blanks go, trailing blanks stay.
      {"  \tpendenza  , x\r\n", {"pendenza  ", "x"}},
      // A comma at the end of a line followed by the line end: an empty field.
      {"a,\r\nb\r\n", {"a", "", "b"}},
      // A lone CR is an ordinary character.
      {"a\rb,c\r\n", {"a\rb", "c"}},
      // A double quote is an ordinary character.
      {"\"a,b\"\r\n", {"\"a", "b\""}},
      // A line of blanks is one empty field, and then the data ends.
      {"[fine]\r\n                \r\n", {"[fine]", ""}},
      {"x,", {"x"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AllFields(c.text), c.fields) << c.text;
  }
}

TEST(FieldStreamTest, EndIsReachedWhenNothingFollowsTheSeparator) {
  FieldStream stream("a\r\nb\r\n");
  EXPECT_FALSE(stream.AtEnd());
  EXPECT_EQ(stream.ReadField(), "a");
  EXPECT_FALSE(stream.AtEnd());
  EXPECT_EQ(stream.ReadField(), "b");
  EXPECT_TRUE(stream.AtEnd());
  EXPECT_THROW(stream.ReadField(), DescriptionFailure);
  EXPECT_THROW(stream.ReadInt32(), DescriptionFailure);
}

TEST(FieldStreamTest, EmptyTextThrowsOnTheFirstRead) {
  FieldStream stream("");
  EXPECT_TRUE(stream.AtEnd());
  EXPECT_THROW(stream.ReadField(), DescriptionFailure);
}

TEST(FieldStreamTest, NumberTakesTheBlanksAndOneSeparatorAfterIt) {
  FieldStream stream("pendenza  , 500    , -7\r\n13              53            30 \r\n6 ,600,,");
  EXPECT_EQ(stream.ReadField(), "pendenza  ");
  EXPECT_EQ(stream.ReadInt32(), 500);
  EXPECT_EQ(stream.ReadInt32(), -7);
  EXPECT_EQ(stream.ReadInt32(), 13);
  EXPECT_EQ(stream.ReadInt32(), 53);
  EXPECT_EQ(stream.ReadInt32(), 30);
  EXPECT_EQ(stream.ReadInt32(), 6);
  EXPECT_EQ(stream.ReadInt32(), 600);
  // Only one comma went with 600: the next field is empty.
  EXPECT_EQ(stream.ReadField(), "");
  EXPECT_TRUE(stream.AtEnd());
}

TEST(FieldStreamTest, NumberAtTheEndOfTheData) {
  // A text cut after its last number, with or without the line end.
  for (const char* text : {"+42   ", "42", "42\n", "42\r\n", "42 \r\n"}) {
    FieldStream stream(text);
    EXPECT_EQ(stream.ReadInt32(), 42) << text;
    EXPECT_TRUE(stream.AtEnd()) << text;
  }
}

TEST(FieldStreamTest, WhatFollowsANumberAfterABlankIsTheNextField) {
  // Only blanks and one separator go with the number; a word after a blank
  // on the same line is read on its own, and the line end after it is its.
  FieldStream stream("3 x\nnext\r\n500 y\r\nlast");
  EXPECT_EQ(stream.ReadInt32(), 3);
  EXPECT_EQ(stream.ReadField(), "x");
  EXPECT_EQ(stream.ReadField(), "next");
  EXPECT_EQ(stream.ReadInt32(), 500);
  EXPECT_EQ(stream.ReadField(), "y");
  EXPECT_EQ(stream.ReadField(), "last");
}

TEST(FieldStreamTest, NotANumberThrows) {
  for (const char* text : {"12a,", ",5", "\r\n5", "-,", "+", "12\rx", "x12", "1.5", "--1"}) {
    FieldStream stream(text);
    EXPECT_THROW(stream.ReadInt32(), DescriptionFailure) << text;
  }
  // The second of two blank-separated numbers is checked on its own.
  FieldStream stream(" 1 2x");
  EXPECT_EQ(stream.ReadInt32(), 1);
  EXPECT_THROW(stream.ReadInt32(), DescriptionFailure);
}

TEST(FieldStreamTest, WidthsAreChecked) {
  struct Case {
    const char* text;
    int width;  // 8, 16 or 32
    bool fits;
  };
  const Case cases[] = {
      {"255", 8, true},           {"256", 8, false},          {"-1", 8, false},
      {"0", 8, true},             {"32767", 16, true},        {"32768", 16, false},
      {"-32768", 16, true},       {"-32769", 16, false},      {"2147483647", 32, true},
      {"2147483648", 32, false},  {"-2147483648", 32, true},  {"-2147483649", 32, false},
      {"99999999999999999999999", 32, false},
      {"000000000000000000000007", 32, true},
  };
  for (const Case& c : cases) {
    FieldStream stream(c.text);
    auto read = [&] {
      switch (c.width) {
        case 8: return static_cast<int64_t>(stream.ReadUint8());
        case 16: return static_cast<int64_t>(stream.ReadInt16());
        default: return static_cast<int64_t>(stream.ReadInt32());
      }
    };
    if (c.fits) {
      EXPECT_NO_THROW(read()) << c.text;
    } else {
      EXPECT_THROW(read(), DescriptionFailure) << c.text;
    }
  }
  FieldStream stream("-2147483648,255,-32768");
  EXPECT_EQ(stream.ReadInt32(), -2147483647 - 1);
  EXPECT_EQ(stream.ReadUint8(), 255);
  EXPECT_EQ(stream.ReadInt16(), -32768);
}

TEST(FieldStreamTest, TextFieldsAreLimitedTo65535Bytes) {
  std::string fits(65535, 'a');
  std::string too_long(65536, 'a');
  EXPECT_EQ(FieldStream(fits).ReadText(), fits);
  FieldStream stream(too_long);
  EXPECT_THROW(stream.ReadText(), DescriptionFailure);
}

TEST(FieldStreamTest, PositionsAreTheFirstNonBlankCharacter) {
  FieldStream stream("ab,  cd\r\n\t7 ,x\ry\n  z");
  stream.ReadField();
  EXPECT_EQ(stream.last_position().line, 1);
  EXPECT_EQ(stream.last_position().column, 1);
  stream.ReadField();
  EXPECT_EQ(stream.last_position().line, 1);
  EXPECT_EQ(stream.last_position().column, 6);
  stream.ReadInt32();
  EXPECT_EQ(stream.last_position().line, 2);
  EXPECT_EQ(stream.last_position().column, 2);
  EXPECT_EQ(stream.ReadField(), "x\ry");
  EXPECT_EQ(stream.last_position().line, 2);
  EXPECT_EQ(stream.next_position().line, 3);
  stream.ReadField();
  EXPECT_EQ(stream.last_position().line, 3);
  EXPECT_EQ(stream.last_position().column, 3);
}

TEST(FieldStreamTest, FailureCarriesReasonAndPosition) {
  FieldStream stream("a,\r\n  abc ,1");
  stream.ReadField();
  stream.ReadField();
  try {
    stream.ReadInt32();
    FAIL() << "no failure";
  } catch (const DescriptionFailure& failure) {
    EXPECT_EQ(std::string(failure.what()), "'abc ' is not a number");
    EXPECT_EQ(failure.where().line, 2);
    EXPECT_EQ(failure.where().column, 3);
  }
  // A number too wide for its field is quoted alone, wherever it stands.
  FieldStream wide("pendenza, 99999999999, 5\r\n");
  wide.ReadField();
  try {
    wide.ReadInt32();
    FAIL() << "no failure";
  } catch (const DescriptionFailure& failure) {
    EXPECT_EQ(std::string(failure.what()), "'99999999999' does not fit 32 bits (-2147483648 to 2147483647)");
    EXPECT_EQ(failure.where().column, 11);
  }
}

TEST(KeywordTest, ExactAndAnyCase) {
  EXPECT_TRUE(ContainsExact("progressiva chilometrica uno", "progressiva"));
  EXPECT_FALSE(ContainsExact("Progressiva chilometrica uno", "progressiva"));
  EXPECT_TRUE(ContainsAnyCase("PENDENZA  ", "pendenza"));
  EXPECT_TRUE(ContainsAnyCase("  [Generale] ", "[generale]"));
  EXPECT_TRUE(ContainsAnyCase("curvaS6", "s"));
  EXPECT_FALSE(ContainsAnyCase("pend", "pendenza"));
  // Folding covers A-Z only: an 8-bit capital is not the small letter.
  EXPECT_FALSE(ContainsAnyCase("\xC0", "\xE0"));
}

}  // namespace
}  // namespace scenario
