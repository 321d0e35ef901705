// The record reference of the author's guide (docs/authoring.md) against the
// compile: every record's values by name and in order, as the keyword table
// lists them and the readers read them, and the curve classes' turns and radii
// as the route plan makes them (turning right with d, left with s). The
// guide's tables of error codes and of warnings against the lists they are
// declared in (app/error_codes.def, tools/diagnostics/warning_kinds.def).
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/compile_step.h"
#include "app/error_codes.h"
#include "descriptions/description_source.h"
#include "descriptions/keywords.h"
#include "tests/test_folder.h"
#include "tools/diagnostics/diagnostic_recorder.h"
#include "tools/diagnostics/warning_kinds.h"
#include "tools/common/author_units.h"
#include "tools/common/route_summary.h"

namespace scenario {
namespace {

std::string Read(const std::string& path) { return testing::ReadFile(path); }

// docs/authoring.md from "## Record reference" to the next section.
std::vector<std::string> ReferenceLines() {
  std::istringstream guide(Read(std::string(SCENARIO_SOURCE_DIR) + "/docs/authoring.md"));
  std::vector<std::string> lines;
  bool inside = false;
  for (std::string line; std::getline(guide, line);) {
    if (line.starts_with("## ")) inside = line == "## Record reference";
    if (inside) lines.push_back(line);
  }
  return lines;
}

// The rows of the guide's table under this header line, in order.
std::vector<std::string> TableRows(const std::string& header) {
  std::istringstream guide(Read(std::string(SCENARIO_SOURCE_DIR) + "/docs/authoring.md"));
  std::vector<std::string> rows;
  bool inside = false;
  for (std::string line; std::getline(guide, line);) {
    if (line == header) {
      inside = true;
    } else if (inside && !line.starts_with("|")) {
      break;
    } else if (inside && !line.starts_with("|---")) {
      rows.push_back(line);
    }
  }
  return rows;
}

// The rows the guide must hold, as one text to paste when they differ.
std::string Joined(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::string cell;
  for (size_t i = 1; i < row.size(); ++i) {
    if (row[i] == '|') {
      const size_t start = cell.find_first_not_of(' ');
      const size_t end = cell.find_last_not_of(' ');
      cells.push_back(start == std::string::npos ? "" : cell.substr(start, end - start + 1));
      cell.clear();
    } else {
      cell += row[i];
    }
  }
  return cells;
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t comma; (comma = text.find(", ", start)) != std::string::npos; start = comma + 2) {
    parts.push_back(text.substr(start, comma - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

struct GuideRecord {
  std::string cell;  // the record column: its name and keyword field
  std::vector<std::string> values;
};

// "chainage section 1, 2, 3 (...)" stands for three kinds of record.
std::map<std::string, GuideRecord> GuideRecords() {
  std::map<std::string, GuideRecord> records;
  std::vector<std::string> kinds;
  const std::regex numbered(R"((.*?) (\d)((, \d)*))");
  for (const std::string& line : ReferenceLines()) {
    const std::vector<std::string> cells = Cells(line);
    const bool heading = cells.size() == 4 && (cells[0].starts_with("record") || cells[1] == "---");
    if (cells.size() != 4 || heading) continue;
    if (!cells[0].empty()) {
      const std::string name = cells[0].substr(0, cells[0].find(" ("));
      kinds.clear();
      std::smatch match;
      if (std::regex_match(name, match, numbered)) {
        for (const std::string& n : Split(match[2].str() + match[3].str())) {
          kinds.push_back(match[1].str() + " " + n);
        }
      } else {
        kinds.push_back(name);
      }
    }
    for (const std::string& kind : kinds) {
      GuideRecord& record = records[kind];
      record.cell = cells[0].empty() ? record.cell : cells[0];
      for (const std::string& value : Split(cells[1])) record.values.push_back(value);
    }
  }
  return records;
}

TEST(AuthoringReferenceTest, ListsEveryRecordsValuesAsTheKeywordTableDoes) {
  const std::map<std::string, GuideRecord> guide = GuideRecords();
  for (KeywordScope scope :
       {KeywordScope::kLineGeneral, KeywordScope::kLineData, KeywordScope::kTrainBody}) {
    for (const RecordKeyword& keyword : KeywordsOf(scope)) {
      const auto found = guide.find(keyword.kind);
      ASSERT_NE(found, guide.end()) << keyword.kind << " is missing from the author's guide";
      std::vector<std::string> names;
      for (std::string_view name : ValueNames(keyword)) names.emplace_back(name);
      EXPECT_EQ(found->second.values, names) << keyword.kind;
      EXPECT_NE(found->second.cell.find(keyword.first), std::string::npos) << keyword.kind;
      EXPECT_NE(found->second.cell.find(keyword.second), std::string::npos) << keyword.kind;
    }
  }
}

// The examples hold every kind of record: the readers read as many values
// for each as the keyword table names.
TEST(AuthoringReferenceTest, ReadersReadAsManyValuesAsTheTableNames) {
  const std::string examples = std::string(SCENARIO_SOURCE_DIR) + "/examples/";
  GeneratorState state;
  state.route_name = kRouteName;
  state.train_number = kTrainNumber;
  DiagnosticRecorder recorder(state);
  state.observer = &recorder;
  MemorySource source(Read(examples + "line.txt"), Read(examples + "train.txt"));
  testing::TestFolder folder;
  FreshFileWriter writer;
  ASSERT_TRUE(memorizza_percorso(state, 1, source, folder.path(), writer).status.ok());
  ASSERT_EQ(state.error_code, 0);
  std::map<std::string, int> seen;
  for (const RecordRead& record : recorder.records()) {
    const RecordKeyword* keyword = KeywordOfKind(record.kind);
    ASSERT_NE(keyword, nullptr) << record.kind;
    EXPECT_EQ(record.value_count, ValueNames(*keyword).size()) << record.kind;
    ++seen[std::string(record.kind)];
  }
  EXPECT_GE(seen.size(), 19u);  // all but chainage sections 2 and 3, which read like 1
}

// A warning kind added to warning_kinds.def without its row in the guide, a
// row left behind by a kind taken out, or a rule changed on one side only.
TEST(AuthoringReferenceTest, WarningsTableIsTheListOfWarningKinds) {
  std::vector<std::string> declared;
  for (const WarningKind& kind : AllWarnings()) {
    declared.push_back("| `" + std::string(kind.name) + "` | " + kind.guide + " |");
  }
  EXPECT_EQ(Joined(TableRows("| warning | what it finds |")), Joined(declared))
      << "docs/authoring.md's table of warnings must hold these rows, in this order";
}

TEST(AuthoringReferenceTest, ErrorCodesTableIsTheListOfCodes) {
  std::vector<std::string> declared;
  for (const ErrorCodeEntry& entry : kErrorCodeTable) {
    declared.push_back("| " + std::string(entry.fatal ? "fatal " : "") +
                       std::to_string(entry.code) + " | " + entry.meaning + " |");
  }
  EXPECT_EQ(Joined(TableRows("| code | meaning |")), Joined(declared))
      << "docs/authoring.md's table of error codes must hold these rows, in this order";
}

TEST(AuthoringReferenceTest, CurveClassesTurnAndBendAsTheTableSays) {
  const std::regex row(R"(\| (\d) \| ([0-9.]+) \| ([0-9.]+) \|)");
  int rows = 0;
  for (const std::string& line : ReferenceLines()) {
    std::smatch match;
    if (!std::regex_match(line, match, row)) continue;
    ++rows;
    const int n = std::stoi(match[1].str());
    EXPECT_EQ(std::stod(match[2].str()), kCurveClassTurns[n - 1]) << line;
    for (const char* hand : {"d", "s"}) {
      const std::string line_text = "[generale]\r\nlunghezza percorso, 5000\r\n[curve]\r\ncurva" +
                                    std::string(hand) + std::to_string(n) +
                                    ", 1000, 400\r\n[fine]\r\n";
      GeneratorState state;
      state.route_name = kRouteName;
      state.train_number = kTrainNumber;
      MemorySource source(line_text, std::string("[generale]\r\n[fine]\r\n"));
      testing::TestFolder folder;
      FreshFileWriter writer;
      ASSERT_TRUE(memorizza_percorso(state, 1, source, folder.path(), writer).status.ok());
      RoutePlan plan;
      ASSERT_TRUE(DecodeRouteFile(EncodeRouteFile(state), &plan).ok());
      const RouteSummary summary = SummariseRoute(plan);
      ASSERT_EQ(summary.curves.size(), 1u) << line_text;
      const CurveClass curve = CurveClassOf(summary.curves[0].turn_per_metre);
      EXPECT_EQ(curve.number, n) << line_text;
      EXPECT_EQ(curve.left, *hand == 's') << line_text;
      EXPECT_NEAR(curve.radius, std::stod(match[3].str()), 0.05) << line;
    }
  }
  EXPECT_EQ(rows, 6);
}

}  // namespace
}  // namespace scenario
