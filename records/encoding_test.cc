#include "records/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario {
namespace {

std::vector<int> Bytes(const std::string& s) {
  std::vector<int> out;
  for (char c : s) out.push_back(static_cast<uint8_t>(c));
  return out;
}

TEST(EncodingTest, FixedWidthsAreLittleEndian) {
  std::string s;
  PutFixed8(&s, 0xAB);
  PutFixed16(&s, 0x0262);
  PutInt16(&s, -2);
  PutFixed32(&s, 0x00007B13);
  PutInt32(&s, -500);
  EXPECT_EQ(Bytes(s), (std::vector<int>{0xAB, 0x62, 0x02, 0xFE, 0xFF, 0x13, 0x7B, 0x00, 0x00,
                                        0x0C, 0xFE, 0xFF, 0xFF}));
}

TEST(EncodingTest, StringFieldHasByteLengthPrefixAndNoTerminator) {
  std::string s;
  PutStringField(&s, "7304");
  EXPECT_EQ(Bytes(s), (std::vector<int>{0x04, 0x00, '7', '3', '0', '4'}));
  std::string empty;
  PutStringField(&empty, "");
  EXPECT_EQ(Bytes(empty), (std::vector<int>{0x00, 0x00}));
}

struct VariantCase {
  const char* name;
  void (*put)(std::string*);
  std::vector<int> bytes;
};

TEST(EncodingTest, VariantElementsCarryTheirTag) {
  const VariantCase cases[] = {
      {"empty", [](std::string* s) { PutVariantEmpty(s); }, {0x00, 0x00}},
      {"int16", [](std::string* s) { PutVariantInt16(s, 1); }, {0x02, 0x00, 0x01, 0x00}},
      {"int32", [](std::string* s) { PutVariantInt32(s, -1); },
       {0x03, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}},
      {"float32", [](std::string* s) { PutVariantFloat32(s, 1.0f); },
       {0x04, 0x00, 0x00, 0x00, 0x80, 0x3F}},
      {"float64 1.0", [](std::string* s) { PutVariantFloat64(s, 1.0); },
       {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F}},
      {"float64 2.0", [](std::string* s) { PutVariantFloat64(s, 2.0); },
       {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40}},
      {"string", [](std::string* s) { PutVariantString(s, "ab"); },
       {0x08, 0x00, 0x02, 0x00, 'a', 'b'}},
  };
  for (const VariantCase& c : cases) {
    std::string s;
    c.put(&s);
    EXPECT_EQ(Bytes(s), c.bytes) << c.name;
  }
}

TEST(EncodingTest, DecodeReadsWhatEncodeWrote) {
  char buf[8];
  EncodeFixed16(buf, 0xBEEF);
  EXPECT_EQ(DecodeFixed16(buf), 0xBEEF);
  EncodeFixed32(buf, 0xDEADBEEF);
  EXPECT_EQ(DecodeFixed32(buf), 0xDEADBEEFu);
  EncodeFixed64(buf, 0x0123456789ABCDEFull);
  EXPECT_EQ(DecodeFixed64(buf), 0x0123456789ABCDEFull);
}

}  // namespace
}  // namespace scenario
