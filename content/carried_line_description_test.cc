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

class CarriedLineDescriptionTest : public ::testing::Test {
 protected:
  LineBuffer buffer = CarriedLineDescription();
  Lines lines = WrittenLines(buffer);
};

TEST_F(CarriedLineDescriptionTest, HasItsLinesAndOnlyTheFinalEndMarker) {
  ASSERT_EQ(lines.size(), 306u);
  EXPECT_EQ(buffer.size(), 307u);
  EXPECT_EQ(buffer.back(), kEndMarker);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find(kEndMarker), std::string::npos) << line;
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  }
}

TEST_F(CarriedLineDescriptionTest, FixedLinesStandAtTheirNumbers) {
  ASSERT_EQ(lines.size(), 306u);
  const std::map<size_t, std::string> fixed = {
      {11, ""}, {19, ""}, {24, ""}, {29, ""}, {34, ""},
      {35, "inizio dati"},
      {36, "     "},
      {37, "[generale]                        "},
      {38, "lunghezza percorso,    270000"},
      {39, "progressiva chilometrica uno,    263600,    46500,    0"},
      {40, "progressiva chilometrica due,    206200,    -6550,    0"},
      {41, "progressiva chilometrica tre,    190600,    28600,    0"},
      {42, "sfondo uno,    1"},
      {43, "sfondo due,    250000"},
      {44, "sfondo tre,    0"},
      {45, "ripetizione segnali 9 codici,    4900,    266650"},
      {46, "[pendenze]"},
      {47, "pendenza  , 500    , -7"},
      {142, ""}, {143, ""},
      {144, "[curve]"},
      {223, ""},
      {224, "[cartelli]"},
      {225, "indicatori_vmax,  1050, 85, 90, 95, 0, 85, 90, 95, 0"},
      {246, "[montagne]"},
      {247, "montagna, 19400,21300,11"},
      {290, "[indicazioni]"},
      {291, "cartello indicatore,  6200,     ( DOPPIO  ) ( BIVIO  ) (CALVENTO )"},
      {305, "[fine]"},
      {306, "                "},
  };
  for (const auto& [number, text] : fixed) EXPECT_EQ(lines[number - 1], text) << "line " << number;
  for (const std::string& line : Range(lines, 1, 34)) EXPECT_EQ(line.find("[generale]"), std::string::npos);
}

TEST_F(CarriedLineDescriptionTest, GradientsAscendWithOnePositionGivenTwice) {
  Lines gradients = Range(lines, 47, 141);
  ASSERT_EQ(CountStartingWith(gradients, "pendenza  , "), 95);
  int previous = 0, repeats = 0, lowest = 0, highest = 0;
  for (const std::string& line : gradients) {
    auto fields = Fields(line);
    int position = FieldNumber(fields[1]), gradient = FieldNumber(fields[2]);
    EXPECT_GE(position, previous) << line;
    repeats += position == previous ? 1 : 0;
    previous = position;
    lowest = std::min(lowest, gradient);
    highest = std::max(highest, gradient);
  }
  EXPECT_EQ(repeats, 1);
  EXPECT_EQ(previous, 267050);
  EXPECT_EQ(lowest, -10);
  EXPECT_EQ(highest, 12);
  EXPECT_EQ(CountEqual(gradients, "pendenza  , 265350   , 4"), 1);
  auto twice = std::find(gradients.begin(), gradients.end(), "pendenza  , 265350   , 4");
  ASSERT_NE(twice + 1, gradients.end());
  EXPECT_EQ(*(twice + 1), "pendenza  , 265350   , 0");
}

TEST_F(CarriedLineDescriptionTest, CurvesCountByKeywordAndDoNotOverlap) {
  Lines curves = Range(lines, 145, 222);
  std::map<std::string, int> by_keyword;
  int comments = 0, end = 0;
  for (const std::string& line : curves) {
    if (line.starts_with("- ")) {
      ++comments;
      EXPECT_EQ(line.find(','), std::string::npos) << line;
      continue;
    }
    auto fields = Fields(line);
    ASSERT_EQ(fields.size(), 3u) << line;
    ++by_keyword[fields[0]];
    int start = FieldNumber(fields[1]), length = FieldNumber(fields[2]);
    EXPECT_GE(start, end) << line;
    EXPECT_GE(length, 200) << line;
    EXPECT_LE(length, 4000) << line;
    end = start + length;
  }
  EXPECT_EQ(comments, 3);
  const std::map<std::string, int> expected = {
      {"curvad1", 11}, {"curvad2", 12}, {"curvad3", 2}, {"curvad4", 8}, {"curvad5", 5}, {"curvas1", 7},
      {"curvas2", 12}, {"curvas3", 3},  {"curvas4", 6}, {"curvas5", 8}, {"curvas6", 1}};
  EXPECT_EQ(by_keyword, expected);
  // The plan of the track leaves its last two rows empty.
  EXPECT_LE(end, 270000 + 6998);
  EXPECT_EQ(CountEqual(curves, "curvad2,   500,  300"), 1);
}

TEST_F(CarriedLineDescriptionTest, SpeedBoardsHoldTheTwoCountDownGroups) {
  Lines boards = Range(lines, 225, 245);
  ASSERT_EQ(CountStartingWith(boards, "indicatori_vmax,"), 21);
  EXPECT_EQ(FieldNumber(Fields(boards.back())[1]), 265300);
  for (const char* board : {"indicatori_vmax,192050,115,120,130, 2,115,120,130, 2",
                            "indicatori_vmax,192300,115,120,130, 1,115,120,130, 1",
                            "indicatori_vmax,192550,115,120,130, 0,115,120,130, 0"}) {
    EXPECT_EQ(CountEqual(boards, board), 1) << board;
  }
  std::vector<int> stripes;
  for (const std::string& line : boards) stripes.push_back(FieldNumber(Fields(line)[5]));
  EXPECT_EQ(std::count(stripes.begin(), stripes.end(), 2), 2);
  EXPECT_EQ(std::count(stripes.begin(), stripes.end(), 1), 2);
}

TEST_F(CarriedLineDescriptionTest, TunnelsCountByKindAmongFourBlankLines) {
  Lines tunnels = Range(lines, 247, 289);
  EXPECT_EQ(CountEqual(tunnels, ""), 4);
  ASSERT_EQ(CountStartingWith(tunnels, "montagna, "), 39);
  std::map<int, int> by_kind;
  for (const std::string& line : tunnels) {
    if (!line.empty()) ++by_kind[FieldNumber(Fields(line)[3])];
  }
  EXPECT_EQ(by_kind, (std::map<int, int>{{1, 6}, {2, 6}, {3, 3}, {11, 13}, {12, 3}, {13, 8}}));
  EXPECT_EQ(CountEqual(tunnels, "montagna, 222800,114100,11"), 1);
}

TEST_F(CarriedLineDescriptionTest, NineSignBoardsAmongFiveBlankLines) {
  Lines signs = Range(lines, 291, 304);
  EXPECT_EQ(CountEqual(signs, ""), 5);
  EXPECT_EQ(CountStartingWith(signs, "cartello indicatore,  "), 9);
  EXPECT_EQ(CountEqual(signs, "cartello indicatore,  256400,    (   Km.  ) (249.900)"), 1);
}

}  // namespace
}  // namespace scenario
