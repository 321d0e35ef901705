#include "content/made_documents.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace scenario {
namespace {

TEST(MadeDocumentsTest, KilometresAndTimesAreWrittenAsTheCarriedSheetWritesThem) {
  const std::pair<int64_t, const char*> kilometres[] = {
      {650, "0.650"}, {31950, "31.950"}, {314050, "314.050"}, {-1250, "-1.250"}, {-50, "-0.050"}};
  for (const auto& [metres, text] : kilometres) EXPECT_EQ(Kilometres(metres), text) << metres;
  const std::pair<int64_t, const char*> times[] = {
      {(13 * 60 + 53) * 60 + 30, "13.54"},  // to the nearest minute
      {(15 * 60 + 22) * 60, "15.22"},
      {(9 * 60 + 5) * 60 + 29, "9.05"},
      {(24 * 60 + 5) * 60, "0.05"},  // past midnight, as the clock shows it
  };
  for (const auto& [seconds, text] : times) EXPECT_EQ(ClockTime(seconds), text) << seconds;
}

// The rows a run like the carried one gives, in the carried sheet's cells:
// the origin's departure right-aligned, a passing time centred, a stop's
// arrival and departure side by side, the terminus's arrival left-aligned,
// and a change of the limit between stops on a row of its own.
TEST(MadeDocumentsTest, TimetableRowsTakeTheCarriedCells) {
  DocumentFacts facts;
  facts.train_number = "7304";
  facts.braked_mass = 130;
  facts.stops = {{0, 0, "VALMERA", (13 * 60 + 53) * 60 + 30, 0},
                 {32250, 31950, "P.C. ORTIGNA", (14 * 60 + 14) * 60, 0},
                 {198750, 227350, "TORRAVA", (15 * 60 + 22) * 60, 60},
                 {267550, 314050, "MONTEGRIDO", (15 * 60 + 58) * 60, 0}};
  facts.speed_limits = {{0, 0, 30}, {16250, 16250, 200}, {17000, 17000, 200}};
  const LineBuffer sheet = MadeTimetableSheet(facts);
  const std::vector<std::string> rows = {
      " |  30 |     |    0     |  30 | VALMERA                    |          13.54 |     |",
      " | 200 |     |   16.250 | 200 | Km 16.250                  |                |     |",
      " |     |     |   31.950 |     | P.C. ORTIGNA               |      14.14     |     |",
      " |     |     |  227.350 |     | TORRAVA                    | 15.21    15.22 |     |",
      " |     |     |  314.050 |     | MONTEGRIDO                 | 15.58          |     |",
  };
  ASSERT_GE(sheet.size(), 16 + rows.size());
  EXPECT_EQ(std::vector<std::string>(sheet.begin() + 16, sheet.begin() + 16 + static_cast<long>(rows.size())), rows);
  EXPECT_EQ(sheet[4], " |   TRENO n. 7304   |                da: VALMERA                   |    V200 C    |");
  EXPECT_EQ(sheet[5], " |                   |                 a: MONTEGRIDO                |     130%     |");
  EXPECT_EQ(sheet.back(), kEndMarker);
}

TEST(MadeDocumentsTest, SlowdownsAreListedWhereTheCarriedNoticeHasNone) {
  DocumentFacts facts;
  LineBuffer none = MadeSlowdownsNotice(facts);
  EXPECT_EQ(none, (LineBuffer{"", "", "", "", std::string(25, ' ') + "NESSUNA PRESCRIZIONE", std::string(kEndMarker)}));
  facts.slowdowns = {{12350, 800, 60}};
  const LineBuffer some = MadeSlowdownsNotice(facts);
  EXPECT_TRUE(std::find(some.begin(), some.end(), std::string(25, ' ') + "NESSUNA PRESCRIZIONE") == some.end());
  EXPECT_TRUE(std::any_of(some.begin(), some.end(), [](const std::string& line) {
    return line.find("12.350") != std::string::npos && line.find("13.150") != std::string::npos &&
           line.find("60 km/h") != std::string::npos;
  }));
}

}  // namespace
}  // namespace scenario
