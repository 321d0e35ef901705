#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "content/document_test_support.h"

namespace scenario {
namespace {

using content_testing::CountEqual;
using content_testing::CountStartingWith;
using content_testing::Fields;
using content_testing::FieldNumber;
using content_testing::Lines;
using content_testing::Range;
using content_testing::WrittenLines;

class CarriedTrainDescriptionTest : public ::testing::Test {
 protected:
  LineBuffer buffer = CarriedTrainDescription();
  Lines lines = WrittenLines(buffer);
};

TEST_F(CarriedTrainDescriptionTest, HasItsLinesAndOnlyTheFinalEndMarker) {
  ASSERT_EQ(lines.size(), 250u);
  EXPECT_EQ(buffer.size(), 251u);
  EXPECT_EQ(buffer.back(), kEndMarker);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find(kEndMarker), std::string::npos) << line;
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  }
}

TEST_F(CarriedTrainDescriptionTest, FixedLinesStandAtTheirNumbers) {
  ASSERT_EQ(lines.size(), 250u);
  const std::map<size_t, std::string> fixed = {
      {10, ""}, {11, ""}, {12, ""}, {13, ""},
      {14, "inizio_dati"},
      {15, "[generale]"},
      {16, "numero vetture,    12"},
      {17, "percentuale massa frenata,    130"},
      {18, "sabbia,    300"},
      {19, "orologio,    13              53            30 "},
      {20, "aderenza,       0, 80"},
      {21, "[aderenze] "},
      {22, "aderenza,  198000, 100"},
      {23, ""},
      {24, "[rallentamenti]"},
      {25, "[vel_limite]"},
      {26, "velocita' limite ,     0    ,   30"},
      {39, "velocita' limite , 266300   ,  75"},
      {40, ""},
      {41, "[stazioni]"},
      {42, "-           pos. tipo lung. t  t  m    d d r   d d d   a   o  o  o   nome"},
      {43, "-                           p  a  a    2 3 a   1 2 3   c   r  r  r"},
      {44, "-                           s  b  r        p               o  m  s"},
      {45, "stazione,      0,  8, 500,  1, 0, 0,   4,0,0,  2,1,0,  1, 10,50, 0, VALMERA"},
      {78, "stazione, 267550,  6 ,600,  1, 0, 0,   0,0,0,  0,0,0,  0, 15,58, 0, MONTEGRIDO"},
      {79, "[segnali]"},
      {80, "-                1                     destra"},
      {81, "-                a  d1 d2 d3 ra       d1 d2 d3 ac"},
      {82, "-                v"},
      {219, "[codici]"},
      {220, "abbattimento codice, 5300,270"},
      {248, "abbattimento codice, 264000,270  "},
      {249, ""},
      {250, "     [fine]"},
  };
  for (const auto& [number, text] : fixed) EXPECT_EQ(lines[number - 1], text) << "line " << number;
  for (const std::string& line : Range(lines, 1, 13)) EXPECT_EQ(line.find("[generale]"), std::string::npos);
}

TEST_F(CarriedTrainDescriptionTest, SpeedLimitsAscendWithinTheirRange) {
  Lines limits = Range(lines, 26, 39);
  ASSERT_EQ(CountStartingWith(limits, "velocita' limite , "), 14);
  int previous = -1;
  for (const std::string& line : limits) {
    auto fields = Fields(line);
    EXPECT_GT(FieldNumber(fields[1]), previous) << line;
    previous = FieldNumber(fields[1]);
    EXPECT_GE(FieldNumber(fields[2]), 30) << line;
    EXPECT_LE(FieldNumber(fields[2]), 200) << line;
  }
}

TEST_F(CarriedTrainDescriptionTest, StopsCountByKindWithTheDisabledStopThirtyFirst) {
  Lines stops = Range(lines, 45, 78);
  ASSERT_EQ(stops.size(), 34u);
  EXPECT_TRUE(stops[30].starts_with("-stazione, 260400, 25, 400,")) << stops[30];
  std::map<int, int> by_kind;
  int kind_25_of_400 = 0;
  for (const std::string& line : stops) {
    if (line.starts_with("-")) continue;
    ASSERT_TRUE(line.starts_with("stazione,")) << line;
    auto fields = Fields(line);
    ASSERT_EQ(fields.size(), 18u) << line;
    int kind = FieldNumber(fields[2]);
    ++by_kind[kind];
    kind_25_of_400 += kind == 25 && FieldNumber(fields[3]) == 400 ? 1 : 0;
  }
  EXPECT_EQ(by_kind, (std::map<int, int>{{2, 1}, {4, 2}, {6, 1}, {8, 1}, {11, 3}, {22, 1}, {25, 22}, {26, 1}, {28, 1}}));
  EXPECT_EQ(kind_25_of_400, 22);
  for (const char* record : {
           "stazione,   4500,  2, 800,  0, 1, 1,   1,1,0,  4,0,0,  0,  0, 0, 0, BRESSOLA",
           "stazione,  32250, 25, 400,  0, 0, 0,   0,0,0,  0,0,0,  0,  0, 0, 0, P.C. ORTIGNA",
           "stazione, 190000, 11,1100,  1, 0, 1,   4,0,2,  2,0,0,  0,  0, 0, 0, BIVIO CALVENTO SUD",
           "stazione, 198750,  4, 800,  0, 1, 0,   1,1,0,  4,1,1, 60, 15,22, 0, TORRAVA"}) {
    EXPECT_EQ(CountEqual(stops, record), 1) << record;
  }
}

TEST_F(CarriedTrainDescriptionTest, SignalsAndTheirCommentLines) {
  Lines signals = Range(lines, 83, 218);
  EXPECT_EQ(CountStartingWith(signals, "segnale,"), 106);
  EXPECT_EQ(CountStartingWith(signals, "- "), 30);
  for (const char* record : {"segnale,  20500, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0",
                             "segnale,  189050, 2, 2, 5, 7, 2,     2, 2, 1, 1, 0",
                             "segnale,  203450, 2, 2, 5, 7, 2,     2, 2, 1, 1, 0"}) {
    EXPECT_EQ(CountEqual(signals, record), 1) << record;
  }
  auto first = std::find_if(signals.begin(), signals.end(), [](const std::string& l) { return l.starts_with("segnale,"); });
  ASSERT_NE(first, signals.end());
  EXPECT_EQ(*first, "segnale,   2550, 2, 4, 1, 0, 0,     0, 2, 1, 1, 0");
  EXPECT_EQ(signals.back(), "segnale,  266650, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0");
  // Every warning signal has its main signal 1350 m further on.
  std::map<int, std::string> by_position;
  for (const std::string& line : signals) {
    if (line.starts_with("segnale,")) by_position[FieldNumber(Fields(line)[1])] = line.substr(line.find(',', 9) + 2);
  }
  for (const auto& [position, values] : by_position) {
    if (values != "1, 4, 1, 0, 0,     1, 3, 1, 0, 0") continue;
    ASSERT_TRUE(by_position.count(position + 1350)) << position;
    EXPECT_TRUE(by_position[position + 1350].starts_with("2, ")) << position;
  }
}

TEST_F(CarriedTrainDescriptionTest, CodeReductionsCarry270And180) {
  Lines codes = Range(lines, 220, 248);
  ASSERT_EQ(CountStartingWith(codes, "abbattimento codice, "), 29);
  std::map<int, int> by_value;
  for (const std::string& line : codes) ++by_value[FieldNumber(Fields(line)[2])];
  EXPECT_EQ(by_value, (std::map<int, int>{{180, 5}, {270, 24}}));
}

}  // namespace
}  // namespace scenario
