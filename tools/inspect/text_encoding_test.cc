// Stop names and sign texts against the simulator's code page: UTF-8 and
// control bytes are warned at the text, --input-encoding utf-8 compiles a
// UTF-8 description into the bytes its code-page twin gives, and every
// output shows a name as the simulator does.
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/compile_run.h"
#include "tools/inspect/dump.h"
#include "tools/common/file_kind.h"

namespace scenario {
namespace {

using testing::CompileRun;
using testing::FindField;
using testing::kOrigin;
using testing::kTerminus;
using testing::LineText;
using testing::TrainText;

const std::string kCleanLine = LineText({});
const std::string kScenarioFile = "Corvena_Lidra1_7304.sim";

// A stop between the origin and the terminus, named as given.
std::string TrainWithStop(const std::string& name) {
  return TrainText({kOrigin, "stazione, 10000, 2, 800, 0,1,0, 1,1,0, 4,1,1, 60, 0,0,0, " + name,
                    kTerminus});
}
std::string LineWithSign(const std::string& text) {
  return LineText({"cartello indicatore, 5000, " + text});
}

struct TextCase {
  const char* name;
  const char* warning;
  std::string line;
  std::string train;
  bool in_train;
  std::string line_part;
  std::string token;
};

class TextWarningTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextWarningTest, PointsAtTheTextAndIsSilencedByItsSwitch) {
  const TextCase& c = GetParam();
  CompileRun run;
  run.Run(c.line, c.train);
  ASSERT_EQ(run.summary.errors, 0) << run.err;
  const Diagnostic* d = run.Warning(c.warning);
  ASSERT_NE(d, nullptr) << run.err;
  EXPECT_EQ(run.summary.warnings, 1) << run.err;
  const TextPosition expected = FindField(c.in_train ? c.train : c.line, c.line_part, c.token);
  ASSERT_GT(expected.line, 0) << "bad test case";
  EXPECT_EQ(d->file, c.in_train ? run.train_path : run.line_path);
  EXPECT_EQ(d->line, expected.line) << run.err;
  EXPECT_EQ(d->column, expected.column) << run.err;

  CompileRun silenced;
  CompileOptions options;
  options.warnings.disabled.insert(c.warning);
  silenced.Run(c.line, c.train, options);
  EXPECT_EQ(silenced.summary.warnings, 0) << silenced.err;
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, TextWarningTest,
    ::testing::Values(
        TextCase{"StopNameInUtf8", "utf8-text", kCleanLine, TrainWithStop("CITT\xC3\x80"), true,
                 "CITT", "CITT"},
        TextCase{"SignTextInUtf8", "utf8-text", LineWithSign("(Km. 5) \xE2\x82\xAC"),
                 TrainText({kOrigin, kTerminus}), false, "cartello", "(Km"},
        TextCase{"NulInStopName", "control-byte", kCleanLine,
                 TrainWithStop(std::string("ME") + '\0' + "ZZO"), true, "ME", "ME"},
        TextCase{"EscapeInSignText", "control-byte", LineWithSign("(Km. 5)\x1b[2J"),
                 TrainText({kOrigin, kTerminus}), false, "cartello", "(Km"},
        TextCase{"UndefinedCodeInStopName", "control-byte", kCleanLine,
                 TrainWithStop("MEZ\x81ZO"), true, "MEZ", "MEZ"}),
    [](const auto& info) { return std::string(info.param.name); });

// Names in the code page, as the simulator wants them, are no warning, even
// where a byte pair happens to lead like UTF-8.
TEST(TextWarningTest, NamesInTheCodePageAreClean) {
  for (const std::string name : {"CITT\xC0", "\x80 5", "\xC8 VERO", "\xC3", "Ci\xC3 t\xE0"}) {
    CompileRun run;
    run.Run(LineWithSign(name), TrainWithStop(name));
    EXPECT_EQ(run.summary.warnings, 0) << run.err;
    EXPECT_EQ(run.summary.errors, 0) << run.err;
  }
}

TEST(TextWarningTest, Utf8NameShowsAsTheSimulatorShowsItEverywhere) {
  CompileRun run;
  CompileOptions options;
  options.report_path = (run.folder / "report.json").string();
  options.svg_path = (run.folder / "picture.svg").string();
  run.Run(LineWithSign("CITT\xC3\x80"), TrainWithStop("CITT\xC3\x80"), options);
  ASSERT_EQ(run.summary.errors, 0) << run.err;
  const std::string shown = "CITT\xC3\x83\xE2\x82\xAC";  // "CITTÃ€"
  EXPECT_NE(run.err.find("will show \"" + shown + "\""), std::string::npos) << run.err;

  const nlohmann::json report = nlohmann::json::parse(testing::ReadFile(options.report_path));
  int reported = 0;
  for (const auto& d : report["diagnostics"]) {
    if (d["warning"] == "utf8-text") {
      ++reported;
      EXPECT_NE(d["message"].get<std::string>().find(shown), std::string::npos) << d;
    }
  }
  EXPECT_EQ(reported, 2);

  CompileRun error;
  error.Run(kCleanLine, TrainText({kOrigin, "stazione, 700, 2, 800, 0,1,0, 1,1,0, 4,1,1, 60, "
                                            "0,0,0, CITT\xC3\x80, R\xC3\x89STO",
                                   kTerminus}));
  ASSERT_NE(error.Error(22), nullptr) << error.err;
  EXPECT_NE(error.Error(22)->message.find("stop " + shown + " at 700 m"), std::string::npos)
      << error.err;
  ASSERT_NE(error.Warning("name-comma"), nullptr) << error.err;
  EXPECT_NE(error.Warning("name-comma")->message.find("R\xC3\x83\xE2\x80\xB0STO"),
            std::string::npos)
      << error.err;

  // The scenario file holds the author's bytes; the dump and the picture
  // show the code page's characters for them.
  InspectedFile file;
  ASSERT_TRUE(LoadInspectedFile(std::filesystem::path(run.out_dir) / kScenarioFile, &file).ok());
  std::ostringstream dump;
  DumpInspectedFile(file, dump);
  EXPECT_NE(dump.str().find("\"" + shown + "\""), std::string::npos) << dump.str();
  const std::string svg = testing::ReadFile(options.svg_path);
  EXPECT_NE(svg.find(shown), std::string::npos);
  EXPECT_EQ(svg.find("CITT\xC3\x80"), std::string::npos);
}

// UTF-8 names and texts converted with --input-encoding utf-8 give the
// bytes that the same description saved in the code page gives.
// A field quoted in a message reads as the source line printed under it
// does, even where its bytes would pass for UTF-8.
TEST(TextWarningTest, QuotedFieldsShowTheCodePageAsTheSourceLineDoes) {
  CompileRun run;
  run.Run(LineText({"pendenz\xC3\xA0, 2500, 3"}), TrainText({kOrigin, kTerminus}));
  const Diagnostic* d = run.Warning("unknown-keyword");
  ASSERT_NE(d, nullptr) << run.err;
  EXPECT_NE(d->message.find("\"pendenz\xC3\x83\xC2\xA0\""), std::string::npos) << d->message;
  EXPECT_NE(run.err.find("pendenz\xC3\x83\xC2\xA0, 2500, 3\n"), std::string::npos) << run.err;
}

TEST(InputEncodingTest, Utf8CompilesAsItsCodePageTwin) {
  struct Pair {
    std::string utf8;
    std::string code_page;
  };
  for (const Pair& pair : {Pair{"CITT\xC3\x80", "CITT\xC0"}, Pair{"\xE2\x82\xAC 5", "\x80 5"},
                           Pair{"\xC5\xB8 \xC3\xBF", "\x9F \xFF"}, Pair{"PLAIN", "PLAIN"}}) {
    CompileRun code_page;
    code_page.Run(LineWithSign(pair.code_page), TrainWithStop(pair.code_page));
    CompileRun utf8;
    CompileOptions options;
    options.input_encoding = InputEncoding::kUtf8;
    utf8.Run("\xEF\xBB\xBF" + LineWithSign(pair.utf8), TrainWithStop(pair.utf8), options);
    EXPECT_EQ(utf8.summary.exit_status, 0) << utf8.err;
    EXPECT_EQ(utf8.summary.warnings, 0) << utf8.err;
    ASSERT_FALSE(code_page.summary.files.empty()) << code_page.err;
    for (const std::string& name : code_page.summary.files) {
      EXPECT_EQ(testing::ReadFile(utf8.out_dir + "/" + name),
                testing::ReadFile(code_page.out_dir + "/" + name))
          << name << " of " << pair.code_page;
    }
    EXPECT_EQ(utf8.summary.files, code_page.summary.files);
  }
}

// After a character of two bytes a column still counts one for it.
TEST(InputEncodingTest, ColumnsCountCharacters) {
  const std::string train = TrainWithStop("CITT\xC3\x80, RESTO");
  CompileRun run;
  CompileOptions options;
  options.input_encoding = InputEncoding::kUtf8;
  run.Run(kCleanLine, train, options);
  const Diagnostic* d = run.Warning("name-comma");
  ASSERT_NE(d, nullptr) << run.err;
  EXPECT_EQ(d->column, FindField(train, "CITT", ", RESTO").column - 1) << run.err;
}

// A character the code page lacks, or a byte that is not UTF-8, stops the
// compile before it starts: exit status 2, nothing written, the error at the
// character.
TEST(InputEncodingTest, UnconvertibleTextIsRefusedAtItsCharacter) {
  struct Fault {
    std::string name;
    int column_in_name;  // counted in characters
  };
  for (const Fault& fault : {Fault{"CITT\xC3\x80 \xE2\x86\x92 X", 7}, Fault{"CITT\xC0", 5},
                             Fault{"\xC3\x80\xF0\x9F\x9A\x86", 2}, Fault{"A\xC2\x81", 2}}) {
    const std::string train = TrainWithStop(fault.name);
    CompileRun run;
    CompileOptions options;
    options.input_encoding = InputEncoding::kUtf8;
    run.Run(kCleanLine, train, options);
    EXPECT_EQ(run.summary.exit_status, 2) << run.err;
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(run.out_dir) / kScenarioFile));
    ASSERT_EQ(run.summary.diagnostics.size(), 1u) << run.err;
    const Diagnostic& d = run.summary.diagnostics[0];
    const TextPosition name = FindField(train, "10000", fault.name.substr(0, 1));
    EXPECT_EQ(d.line, name.line) << run.err;
    EXPECT_EQ(d.column, name.column + fault.column_in_name - 1) << run.err;
    EXPECT_NE(run.err.find("[input-encoding]"), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace scenario
