// The fuzz targets' harness and the inputs the fuzzers found: every finding
// stays here as a regression test, and the checks the fuzzers rely on are
// shown to catch what they are meant to catch.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>

#include "fuzz/command_line_invariants.h"
#include "fuzz/compile_invariants.h"
#include "fuzz/decompile_input.h"
#include "fuzz/fuzz_input.h"
#include "tests/compile_run.h"
#include "tests/test_folder.h"
#include "tools/diagnostics/command.h"

namespace scenario {
namespace {

using fuzzing::BrokenInvariants;
using fuzzing::CompileInMemory;

void ExpectInvariantsHold(const std::string& input) {
  const fuzzing::DescriptionPair pair = fuzzing::SplitInput(input);
  auto run = CompileInMemory(std::string(pair.line), std::string(pair.train));
  for (const std::string& broken : BrokenInvariants(*run)) ADD_FAILURE() << broken;
}

TEST(FuzzHarnessTest, TheInputSplitsAtTheFirstNul) {
  const std::string input("line\0train\0more", 15);
  const fuzzing::DescriptionPair pair = fuzzing::SplitInput(input);
  EXPECT_EQ(pair.line, "line");
  EXPECT_EQ(pair.train, std::string_view("train\0more", 10));
  EXPECT_EQ(fuzzing::SplitInput("only a line").train, "");
}

TEST(FuzzHarnessTest, RouteLengthsBeyondTheCapAreRecognised) {
  const struct {
    const char* line;
    bool long_route;
  } cases[] = {
      {"[generale]\nlunghezza percorso,  20000\n", false},
      {"[generale]\nlunghezza percorso,  20001\n", true},
      {"[generale]\nLUNGHEZZA del PERCORSO\n+999999\n", true},
      {"[generale]\nlunghezza percorso, 1000000\n", true},
      // Refused by the reader without sizing anything.
      {"[generale]\nlunghezza percorso, 1000001\n", false},
      {"[generale]\nlunghezza percorso, -50000\n", false},
      // A number ends the field before it, so the keyword field can begin in
      // the middle of a line.
      {"x, 5 lunghezza percorso, 300000\n", true},
      {"lunghezza, percorso, 300000\n", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fuzzing::MayAskForLongRoute(c.line, 20000), c.long_route) << c.line;
  }
}

TEST(FuzzHarnessTest, TheInvariantsCatchABrokenRun) {
  const std::string line = "[generale]\nlunghezza percorso, 1000\n[pendenze]\n[fine]\n";
  auto clean = CompileInMemory(line, "[generale]\n");
  ASSERT_TRUE(BrokenInvariants(*clean).empty());

  auto unknown_type = CompileInMemory(line, "[generale]\n");
  unknown_type->state.grid.at(5).cell_type = 9;
  EXPECT_FALSE(BrokenInvariants(*unknown_type).empty());

  auto short_grid_file = CompileInMemory(line, "[generale]\n");
  short_grid_file->grid_file.pop_back();
  EXPECT_FALSE(BrokenInvariants(*short_grid_file).empty());

  auto row_beyond_the_stops = CompileInMemory(line, "[generale]\n");
  row_beyond_the_stops->state.scenario[80].position = 500;
  EXPECT_FALSE(BrokenInvariants(*row_beyond_the_stops).empty());

  auto wrong_size = CompileInMemory(line, "[generale]\n");
  wrong_size->state.grid.cells().emplace_back();
  EXPECT_FALSE(BrokenInvariants(*wrong_size).empty());
}

TEST(FuzzHarnessTest, TheSeedPairsKeepTheInvariants) {
  const std::filesystem::path seeds = std::filesystem::path(SCENARIO_SOURCE_DIR) / "fuzz" / "seeds";
  int pairs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(seeds)) {
    const std::string name = entry.path().filename().string();
    if (name.size() < 9 || name.substr(name.size() - 9) != ".line.txt") continue;
    const std::string stem = name.substr(0, name.size() - 9);
    SCOPED_TRACE(stem);
    const std::string line = testing::ReadFile(entry.path());
    const std::string train = testing::ReadFile(seeds / (stem + ".train.txt"));
    ExpectInvariantsHold(line + '\0' + train);
    ++pairs;
  }
  EXPECT_GE(pairs, 4);
}

// Runs scenario-compile's core on two texts with --report; returns the report.
std::string CompileWithReport(const std::string& line, const std::string& train,
                              CompileSummary* summary) {
  testing::CompileRun run;
  CompileOptions options;
  options.report_path = (run.folder / "report.json").string();
  *summary = run.Run(line, train, options);
  return testing::ReadFile(options.report_path);
}

// Found by replaying the compile fuzzer's corpus through scenario-compile:
// a description byte above 127 quoted in a diagnostic (a stop name such as
// "FORL\xCC" in the 8-bit code page, or a field that is not a number) made
// the JSON report throw, and scenario-compile ended with an unhandled
// exception instead of its exit status.
TEST(FuzzRegressionTest, ACompileReportQuotingBytesAbove127IsWritten) {
  const struct {
    const char* what;
    std::string line;
    std::string train;
  } cases[] = {
      {"a field that is not a number", "[generale]\r\nlunghezza percorso, 3000\r\n[pendenze]\r\n"
                                       "pendenza, 600, 3\xc0\r\n[fine]\r\n",
       "[generale]\r\n"},
      {"stop names", "[generale]\r\nlunghezza percorso, 3000\r\n[pendenze]\r\n[fine]\r\n",
       "[generale]\r\nstazione, 0, 8, 500, 0,0,0, 0,0,0, 0,0,0, 0, 10,50,0, FORL\xcc\r\n"
       "stazione, 600, 25, 400, 0,0,0, 0,0,0, 0,0,0, 0, 10,50,0, CANT\xd9\r\n[fine]\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CompileSummary summary;
    std::string report;
    ASSERT_NO_THROW(report = CompileWithReport(c.line, c.train, &summary));
    EXPECT_EQ(summary.exit_status, 1);
    const nlohmann::json parsed = nlohmann::json::parse(report);
    EXPECT_NE(parsed["error_code"], 0);
    EXPECT_FALSE(parsed["diagnostics"].empty());
  }
  // The names read as the Latin-1 characters of their codes.
  CompileSummary summary;
  const std::string report = CompileWithReport(cases[1].line, cases[1].train, &summary);
  EXPECT_NE(report.find("the stop CANT\xc3\x99 at 600 m"), std::string::npos) << report;
}

// Every input a fuzzer kept in fuzz/regressions/TARGET/ is replayed through
// the target's own checks. The command-line fuzzer's first two findings made
// the report's JSON writer abort on bytes that look like UTF-8 but are not
// (an F6 lead byte in a field quoted by a diagnostic).
TEST(FuzzRegressionTest, TheCommandLineFindingsKeepTheInvariants) {
  const std::filesystem::path kept =
      std::filesystem::path(SCENARIO_SOURCE_DIR) / "fuzz" / "regressions" / "command_line_fuzzer";
  testing::TestFolder folder;
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kept)) {
    SCOPED_TRACE(entry.path().filename().string());
    const fuzzing::CommandLineCase c = fuzzing::DecodeCommandLine(testing::ReadFile(entry.path()));
    fuzzing::CommandLineOutcome outcome;
    ASSERT_NO_THROW(outcome = fuzzing::RunCommandLine(c, folder / "run"));
    for (const std::string& broken : outcome.broken) ADD_FAILURE() << broken;
    EXPECT_NE(outcome.compile_status, -1) << "the command line was never run";
    ++replayed;
  }
  EXPECT_GE(replayed, 2);
}

// The decompile fuzzer's inputs: its first finding (the empty mutation of
// one scenario, which met a build whose libraries disagreed on the layout
// of the opened files), an unmutated scenario that must open exactly, and a
// hand-edited cell with a cut grid.
TEST(FuzzRegressionTest, TheDecompileFindingsKeepTheirClaims) {
  const std::filesystem::path kept =
      std::filesystem::path(SCENARIO_SOURCE_DIR) / "fuzz" / "regressions" / "decompile_fuzzer";
  const std::vector<fuzzing::Base> bases = fuzzing::MakeBases();
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kept)) {
    SCOPED_TRACE(entry.path().filename().string());
    const std::string input = testing::ReadFile(entry.path());
    EXPECT_EQ(fuzzing::OpenMutated(bases, reinterpret_cast<const uint8_t*>(input.data()), input.size()), "");
    ++replayed;
  }
  EXPECT_GE(replayed, 3);
  // Every unmutated scenario opens exactly, so the claim is really checked.
  for (const fuzzing::Base& base : bases) {
    CompiledScenario files;
    ASSERT_TRUE(DecodeCompiledScenario(base.route, base.scenario, base.grid, &files).ok());
    DecompiledTexts texts;
    EXPECT_TRUE(DecompileAndCheck(files, &texts).exact);
  }
}

}  // namespace
}  // namespace scenario
