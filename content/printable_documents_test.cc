#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "content/document_test_support.h"

namespace scenario {
namespace {

using content_testing::Fields;
using content_testing::FieldNumber;
using content_testing::Lines;
using content_testing::Range;
using content_testing::WrittenLines;

TEST(PrintableDocumentsTest, LineCountsAndOnlyTheFinalEndMarker) {
  struct Case {
    const char* name;
    LineBuffer (*document)();
    size_t lines;
  };
  for (const Case& c : {Case{"timetable sheet", TimetableSheet, 68}, Case{"notes", NotesDocument, 47},
                        Case{"slowdowns notice", SlowdownsNotice, 5}}) {
    LineBuffer buffer = c.document();
    Lines lines = WrittenLines(buffer);
    EXPECT_EQ(lines.size(), c.lines) << c.name;
    EXPECT_EQ(buffer.size(), c.lines + 1) << c.name;
    EXPECT_EQ(buffer.back(), kEndMarker) << c.name;
    for (const std::string& line : lines) {
      EXPECT_EQ(line.find(kEndMarker), std::string::npos) << c.name;
      EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << c.name;
    }
  }
}

TEST(PrintableDocumentsTest, SlowdownsNoticeHasNoPrescription) {
  EXPECT_EQ(WrittenLines(SlowdownsNotice()),
            (Lines{"", "", "", "", "                         NESSUNA PRESCRIZIONE"}));
}

TEST(PrintableDocumentsTest, NotesHoldOneByteOutsideAsciiOnLine44) {
  Lines lines = WrittenLines(NotesDocument());
  ASSERT_EQ(lines.size(), 47u);
  int outside = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 92u) << "line " << i + 1;
    for (char c : lines[i]) {
      if (static_cast<unsigned char>(c) < 0x80) continue;
      ++outside;
      EXPECT_EQ(i + 1, 44u);
      EXPECT_EQ(static_cast<unsigned char>(c), 0xF9);
    }
  }
  EXPECT_EQ(outside, 1);
  for (size_t n : {1, 3, 28, 29, 34, 46}) EXPECT_EQ(lines[n - 1], "") << "line " << n;
  EXPECT_TRUE(lines[1].starts_with(std::string(16, ' ')) && lines[1][16] != ' ');
  for (const std::string& line : Range(lines, 4, 27)) EXPECT_TRUE(line.size() > 1 && line[0] == ' ') << line;
  // Four list items of 3, 2, 2 and 3 lines; continuations indented by two blanks.
  std::vector<int> items;
  for (const std::string& line : Range(lines, 36, 45)) {
    if (line.starts_with("- ")) {
      items.push_back(1);
    } else {
      EXPECT_TRUE(line.starts_with("  ") && line[2] != ' ') << line;
      if (!items.empty()) ++items.back();
    }
  }
  EXPECT_EQ(items, (std::vector<int>{3, 2, 2, 3}));
}

class TimetableSheetTest : public ::testing::Test {
 protected:
  Lines sheet = WrittenLines(TimetableSheet());
  Lines rows = Range(sheet, 17, 62);

  // Columns (from 1) that hold a '|'.
  static std::vector<size_t> Bars(const std::string& line) {
    std::vector<size_t> columns;
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '|') columns.push_back(i + 1);
    }
    return columns;
  }
  // Cell k (0 .. 6) of a row, between its bars.
  static std::string Cell(const std::string& row, int k) {
    static constexpr size_t kBars[] = {2, 8, 14, 25, 31, 60, 77, 83};
    return row.substr(kBars[k], kBars[k + 1] - kBars[k] - 1);
  }
};

TEST_F(TimetableSheetTest, FixedLines) {
  ASSERT_EQ(sheet.size(), 68u);
  const std::string head_close = " |_____|_____|__________|_____|____________________________|________________|_____|";
  const std::map<size_t, std::string> fixed = {
      {1, ""},
      {2, " "},
      {4, " |                   |                  SCHEDA                      |              |"},
      {9, " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       "},
      {10, " |        IC         |              |     600T          |"},
      {12, ""},
      {13, "  ________________________________________________________________________________"},
      {14, " | Vel.| Vel.| Progr Km | No  |  Localita' di Servizio     |    Orario      | Rec |"},
      {15, " | Lim.|Marc.|          | Rs  |                            |                |     |"},
      {16, head_close},
      {63, head_close},
      {64, ""},
      {65, std::string(36, ' ') + "Note:"},
      {66, ""},
      {67, " (a) : Localita` di servizio sulla linea lenta"},
      {68, std::string(24, ' ')},
  };
  for (const auto& [number, text] : fixed) EXPECT_EQ(sheet[number - 1], text) << "line " << number;
}

TEST_F(TimetableSheetTest, TitleBlockAndBoxes) {
  ASSERT_EQ(sheet.size(), 68u);
  for (size_t n = 4; n <= 7; ++n) EXPECT_EQ(Bars(sheet[n - 1]), (std::vector<size_t>{2, 22, 69, 84})) << n;
  for (size_t n = 9; n <= 11; ++n) EXPECT_EQ(Bars(sheet[n - 1]), (std::vector<size_t>{2, 22, 37, 57})) << n;
  EXPECT_EQ(sheet[4].substr(2, 19).find("TRENO n. 7304"), 3u);
  EXPECT_EQ(sheet[4].substr(38, 3), "da:");
  EXPECT_EQ(sheet[5].substr(39, 2), "a:");
  EXPECT_NE(sheet[4].substr(69, 14).find("V200 C"), std::string::npos);
  EXPECT_NE(sheet[5].substr(69, 14).find("130%"), std::string::npos);
  EXPECT_EQ(sheet[6].substr(69, 14), std::string(14, '_'));
}

TEST_F(TimetableSheetTest, RowsKeepTheirColumnsAndCounts) {
  ASSERT_EQ(rows.size(), 46u);
  int limits = 0, speeds = 0, slow = 0, padded = 0, marc = 0;
  std::map<std::string, int> recovery;
  for (const std::string& row : rows) {
    EXPECT_EQ(Bars(row), (std::vector<size_t>{2, 8, 14, 25, 31, 60, 77, 83})) << row;
    ASSERT_TRUE(row.size() == 83 || row == row.substr(0, 83) + "  ") << row;
    padded += row.size() == 85 ? 1 : 0;
    limits += Cell(row, 0) != "     " ? 1 : 0;
    marc += Cell(row, 1) != "     " ? 1 : 0;
    speeds += Cell(row, 3) != "     " ? 1 : 0;
    slow += Cell(row, 4).starts_with("(a) ") ? 1 : 0;
    std::string rec = Cell(row, 6);
    if (rec != "     ") ++recovery[rec];
  }
  EXPECT_EQ(limits, 16);
  EXPECT_EQ(marc, 0);
  EXPECT_EQ(speeds, 15);
  EXPECT_EQ(slow, 10);
  EXPECT_EQ(padded, 1);
  EXPECT_EQ(recovery, (std::map<std::string, int>{{" 0.5 ", 20}, {" 1   ", 1}, {" 1.5 ", 1}, {" 2   ", 1}}));
  EXPECT_EQ(rows.front(), " |  30 |     |    0     |  30 | VALMERA                    |          13.54 |     |");
}

// The sheet agrees with the descriptions: a row that names a stop shows the
// chainage that the line's sections give the stop's position, the timed
// stops show their scheduled times, and the title names the first and the
// last stop.
TEST_F(TimetableSheetTest, AgreesWithTheCarriedDescriptions) {
  ASSERT_EQ(rows.size(), 46u);
  Lines line = WrittenLines(CarriedLineDescription());
  std::map<int, int> offset_from;  // section start -> chainage offset
  for (size_t n : {39, 40, 41}) {
    auto fields = Fields(line[n - 1]);
    offset_from[FieldNumber(fields[1])] = FieldNumber(fields[2]);
  }
  auto chainage = [&](int position) {
    int offset = 0;
    for (const auto& [start, section_offset] : offset_from) {
      if (position >= start) offset = section_offset;
    }
    return position + offset;
  };
  struct Stop {
    int position, hours, minutes;
  };
  std::map<std::string, Stop> stops;
  std::string first, last;
  for (const std::string& record : Range(WrittenLines(CarriedTrainDescription()), 45, 78)) {
    if (!record.starts_with("stazione,")) continue;
    auto fields = Fields(record);
    stops[fields[17]] = {FieldNumber(fields[1]), FieldNumber(fields[14]), FieldNumber(fields[15])};
    if (first.empty()) first = fields[17];
    last = fields[17];
  }
  EXPECT_EQ(sheet[4].substr(42, first.size()), first);
  EXPECT_EQ(sheet[5].substr(42, last.size()), last);
  int named = 0;
  for (const std::string& row : rows) {
    std::string place = Cell(row, 4);
    std::string name = place.substr(place.starts_with("(a) ") ? 4 : 1);
    name.erase(name.find_last_not_of(' ') + 1);
    auto stop = stops.find(name);
    if (stop == stops.end()) continue;
    ++named;
    int km = chainage(stop->second.position);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d.%03d", km / 1000, km % 1000);
    std::string expected = std::string(9 - std::string(digits).size(), ' ') + digits + " ";
    EXPECT_EQ(Cell(row, 2), stop->second.position == 0 ? "    0     " : expected) << row;
    if (stop->second.hours != 0 && name != first) {
      char time[8];
      std::snprintf(time, sizeof time, "%d.%02d", stop->second.hours, stop->second.minutes);
      std::string orario = Cell(row, 5);
      if (name == last) {
        EXPECT_EQ(orario, std::string(" ") + time + std::string(10, ' ')) << row;
      } else {
        EXPECT_EQ(orario.substr(10, 5), time) << row;  // departure beside the arrival
      }
    }
  }
  EXPECT_EQ(named, 33);
}

}  // namespace
}  // namespace scenario
