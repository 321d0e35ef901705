// The distance behind "did you mean": edits counted as authors make them
// (a swap of two neighbours is one), words found inside longer fields.
#include "tools/diagnostics/keyword_distance.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(EditDistanceTest, CountsOneForEachKindOfEdit) {
  EXPECT_EQ(EditDistance("stazione", "stazione"), 0);
  EXPECT_EQ(EditDistance("stazoine", "stazione"), 1);  // neighbours swapped
  EXPECT_EQ(EditDistance("pendeza", "pendenza"), 1);   // a letter left out
  EXPECT_EQ(EditDistance("pendenze", "pendenza"), 1);  // a letter changed
  EXPECT_EQ(EditDistance("montaggna", "montagna"), 1); // a letter put in
  EXPECT_EQ(EditDistance("", "curva"), 5);
  EXPECT_EQ(EditDistance("abcd", "badc"), 2);
  EXPECT_EQ(EditDistance("ca", "abc"), 2);  // swapped, then a letter put between
}

// Any edits made to a keyword's word leave the field at most that many
// edits from the keyword, and the distance does not depend on the order.
TEST(EditDistanceTest, RandomEditsCostAtMostTheirNumber) {
  std::mt19937 random(13);
  for (KeywordScope scope :
       {KeywordScope::kLineGeneral, KeywordScope::kLineData, KeywordScope::kTrainBody}) {
    for (const RecordKeyword& keyword : KeywordsOf(scope)) {
      for (int trial = 0; trial < 40; ++trial) {
        std::string word = keyword.first;
        const int edits = static_cast<int>(random() % 3);
        for (int e = 0; e < edits; ++e) {
          const size_t at = random() % (word.size() - 1);
          switch (random() % 4) {
            case 0: std::swap(word[at], word[at + 1]); break;
            case 1: word.erase(at, 1); break;
            case 2: word.insert(at, 1, 'q'); break;
            default: word[at] = 'q'; break;
          }
        }
        EXPECT_LE(EditDistance(word, keyword.first), edits) << word;
        EXPECT_EQ(EditDistance(word, keyword.first), EditDistance(keyword.first, word));
        const std::string field = std::string(keyword.second) + " " + word + "7";
        EXPECT_LE(KeywordDistance(field, keyword), edits) << field;
      }
    }
  }
}

TEST(KeywordDistanceTest, FindsWordsInsideLongerFields) {
  EXPECT_EQ(KeywordDistance("velocta' limite ", kSpeedLimitKeyword), 1);
  EXPECT_EQ(KeywordDistance("percentuale masa frenata", kBrakedMassKeyword), 1);
  EXPECT_EQ(KeywordDistance("numero_vettre", kCarriagesKeyword), 1);
  EXPECT_EQ(KeywordDistance("CURVD2", kCurveKeyword), 1);
  // The short words of the exact-case records must stand as they are.
  EXPECT_GT(KeywordDistance("progressiva chilometrica un", kChainage1Keyword), 2);
  EXPECT_EQ(KeywordDistance("progresiva chilometrica uno", kChainage1Keyword), 1);
}

TEST(NearestKeywordTest, IsTheNearestWithinTwoEditsInItsPlace) {
  EXPECT_STREQ(NearestKeyword(KeywordScope::kLineData, "pendeza")->kind, "gradient");
  EXPECT_STREQ(NearestKeyword(KeywordScope::kTrainBody, "segnalle")->kind, "signal");
  EXPECT_EQ(NearestKeyword(KeywordScope::kTrainBody, "pendeza"), nullptr);
  EXPECT_EQ(NearestKeyword(KeywordScope::kLineData, "pnnza"), nullptr);  // three edits
  EXPECT_EQ(NearestKeyword(KeywordScope::kLineData, "BRESSOLA"), nullptr);
}

}  // namespace
}  // namespace scenario
