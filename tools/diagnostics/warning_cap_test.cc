// Each warning kind prints and reports at most 100 diagnostics, the first in
// printed order, then one line with how many more there were; the report
// carries that count, and the closing summary counts them all.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "tools/diagnostics/command.h"
#include "tools/diagnostics/diagnostic_report.h"
#include "tools/diagnostics/test_support.h"
#include "tools/diagnostics/warning_list.h"

namespace scenario {
namespace {

using testing::CompileRun;
using testing::kOrigin;
using testing::kTerminus;
using testing::LineText;
using testing::TrainText;

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

struct CapCase {
  int overlaps;          // curve-overlap warnings
  int gradients_behind;  // gradient-order warnings
};

class WarningCapTest : public ::testing::TestWithParam<CapCase> {};

TEST_P(WarningCapTest, PrintsAndReportsAtMostAHundredOfAKindAndCountsTheRest) {
  const CapCase& c = GetParam();
  // Curves 3 m long every 2 m: each overlaps the one before it. The
  // gradients come in falling order: each lies behind the one before it.
  std::vector<std::string> data;
  for (int i = 0; i <= c.gradients_behind; ++i) {
    data.push_back("pendenza, " + std::to_string(20000 - i) + ", 1");
  }
  data.push_back("[curve]");
  for (int i = 0; i <= c.overlaps; ++i) {
    data.push_back("curvad2, " + std::to_string(100 + 2 * i) + ", 3");
  }
  CompileRun run;
  run.Run(LineText(data), TrainText({kOrigin, kTerminus}));
  EXPECT_EQ(run.summary.warnings, c.overlaps + c.gradients_behind);
  const int total = c.overlaps + c.gradients_behind;
  EXPECT_NE(run.err.find("scenario-compile: 0 errors, " + std::to_string(total) +
                         (total == 1 ? " warning\n" : " warnings\n")),
            std::string::npos);

  const nlohmann::json report = nlohmann::json::parse(CompileReportJson(run.summary));
  for (const auto& [name, found] : {std::pair{"curve-overlap", c.overlaps},
                                    std::pair{"gradient-order", c.gradients_behind}}) {
    const std::string tag = std::string("[-W") + name + "]";
    const int shown = std::min(found, 100);
    EXPECT_EQ(run.CountWarnings(name), shown) << name;
    EXPECT_EQ(Occurrences(run.err, "warning: "), 0u + std::min(c.overlaps, 100) +
                                                      std::min(c.gradients_behind, 100));
    EXPECT_EQ(Occurrences(run.err, tag + "\n"), 0u + shown) << name;
    const std::string more = "scenario-compile: " + std::to_string(found - 100) + " more " + tag +
                             " warnings not shown: at most 100 of a kind are\n";
    EXPECT_EQ(Occurrences(run.err, more), found > 100 ? 1u : 0u) << run.err.substr(0, 2000);
    size_t reported = 0;
    for (const auto& d : report["diagnostics"]) reported += d.value("warning", "") == name;
    EXPECT_EQ(reported, 0u + shown) << name;
    if (found > 100) {
      EXPECT_EQ(report["omitted"][name], found - 100) << name;
    } else {
      EXPECT_FALSE(report["omitted"].contains(name)) << name;
    }
  }
  // The ones shown are the first: the gradient behind the first on line 5
  // (after the general section and the header) onwards.
  int expected_line = 5;
  for (const Diagnostic& d : run.summary.diagnostics) {
    if (d.warning == "gradient-order") {
      EXPECT_EQ(d.line, expected_line++);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, WarningCapTest,
                         ::testing::Values(CapCase{1, 0}, CapCase{100, 99}, CapCase{101, 100},
                                           CapCase{3000, 150}));

// Past the warnings a text can show, an unknown keyword costs a count, not
// a kept field, and a record's keyword field is not kept beside the record:
// whatever its length, a text of noise or of curves keeps a bounded number
// of fields, and every warning is still counted.
TEST(WarningCapTest, FieldsPastTheShownWarningsAreCountedNotKept) {
  const struct {
    int lines;
    bool curves;
  } cases[] = {{150, false}, {6000, false}, {6000, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.lines) + (c.curves ? " curves" : " unknown keywords"));
    std::vector<std::string> data{"[curve]"};
    for (int i = 0; i < c.lines; ++i) {
      data.push_back(c.curves ? "curvad2, " + std::to_string(100 + 2 * i) + ", 1"
                              : "zzkw" + std::to_string(i) + ", " + std::to_string(i));
    }
    CompileRun run;
    size_t fields_kept = 0;
    CompileOptions options;
    options.on_compiled = [&](const CompiledRun& compiled) {
      fields_kept = compiled.recorder.keyword_fields().size();
    };
    run.Run(LineText(data), TrainText({kOrigin, kTerminus}), options);
    const int unknown = c.curves ? 0 : c.lines;
    EXPECT_EQ(run.summary.warnings, unknown);
    EXPECT_EQ(run.CountWarnings("unknown-keyword"), std::min(unknown, 100));
    const nlohmann::json report = nlohmann::json::parse(CompileReportJson(run.summary));
    EXPECT_EQ(report["omitted"].value("unknown-keyword", 0), std::max(unknown - 100, 0));
    // The sections' headers, the train's records and a hundred shown.
    EXPECT_LE(fields_kept, 130u);
  }
}

// Found in any order, the warnings kept of a kind are those printed first;
// the order they were found in is kept among them.
TEST(WarningListTest, KeepsTheFirstInPrintedOrderWhateverOrderTheyAreFoundIn) {
  std::vector<int> lines(1000);
  for (int i = 0; i < 1000; ++i) lines[static_cast<size_t>(i)] = i + 1;
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    std::shuffle(lines.begin(), lines.end(), random);
    WarningList list(nullptr, 10);
    for (int line : lines) {
      Diagnostic d;
      d.severity = Severity::kWarning;
      d.warning = line % 2 == 0 ? "curve-order" : "curve-overlap";
      d.description = line > 500 ? Description::kTrain : Description::kLine;
      d.line = line > 500 ? line - 500 : line;
      d.column = 1;
      list.push_back(std::move(d));
    }
    EXPECT_EQ(list.found(), 1000);
    EXPECT_EQ(list.omitted().at("curve-order"), 490);
    EXPECT_EQ(list.omitted().at("curve-overlap"), 490);
    std::vector<Diagnostic> kept = list.Take();
    ASSERT_EQ(kept.size(), 20u);
    std::vector<int> found_order;
    for (const Diagnostic& d : kept) {
      EXPECT_EQ(d.description, Description::kLine);
      EXPECT_LE(d.line, 20);
      found_order.push_back(d.line);
    }
    std::vector<int> expected_order;
    for (int line : lines) {
      if (line <= 20) expected_order.push_back(line);
    }
    EXPECT_EQ(found_order, expected_order);
  }
}

TEST(WarningListTest, WantsOnlyWhatWouldBeKept) {
  WarningList list(nullptr, 2);
  auto at = [](int line) {
    Diagnostic d;
    d.severity = Severity::kWarning;
    d.warning = "stop-order";
    d.description = Description::kTrain;
    d.line = line;
    d.column = 3;
    return d;
  };
  list.push_back(at(10));
  list.push_back(at(20));
  EXPECT_FALSE(list.Wants("stop-order", Description::kTrain, {20, 3}));  // after the last kept
  EXPECT_FALSE(list.Wants("stop-order", Description::kTrain, {30, 1}));
  EXPECT_TRUE(list.Wants("stop-order", Description::kTrain, {15, 1}));
  EXPECT_TRUE(list.Wants("stop-order", Description::kLine, {90, 1}));  // the line text first
  EXPECT_TRUE(list.Wants("time-order", Description::kTrain, {90, 1}));
  std::set<std::string> disabled{"time-order"};
  WarningList silenced(&disabled);
  EXPECT_FALSE(silenced.Wants("time-order", Description::kTrain, {1, 1}));
  silenced.push_back([&] {
    Diagnostic d = at(1);
    d.warning = "time-order";
    return d;
  }());
  EXPECT_EQ(silenced.found(), 0);
}

}  // namespace
}  // namespace scenario
