// Every writer of text a person reads takes any bytes. Random byte strings
// (weighted towards what breaks a writer: bytes that look like UTF-8 but are
// not, control bytes, quotes, markup) go into stop names, sign texts,
// comments, keyword fields, numbers, --route and --train and the
// descriptions' own file names; then the terminal text must be valid UTF-8
// without a raw control byte, the report and the live page's data must pass
// a strict JSON parser (which refuses invalid UTF-8), and the pictures an
// XML parser.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_folder.h"
#include "tools/diagnostics/inputs.h"
#include "tests/compile_run.h"
#include "tools/inspect/command.h"
#include "tools/common/scenario_folder.h"
#include "tools/common/test_support.h"
#include "tools/common/text.h"
#include "tools/viewer/compile_sources.h"
#include "tools/viewer/scene.h"

namespace scenario {
namespace {

// Sequences that have broken a writer, or could.
const std::vector<std::string> kHostile = {
    "\xe0\x80\x80", "\xed\xa0\x80", "\xf0\x80\x80\x80", "\xf4\x90\x80\x80", "\xf5", "\xf6\x8c\x9a", "\xf7",
    "\xc3\xa9",     "\xc0\xaf",     "\x80",             "\x9d",             "\xff", "\x1b]0;t\x07", "\x1b[2J",
    "\x7f",         std::string(1, '\0'), "\t",          "\"",               "'",    "<",            "&amp",
    "]]>",          "\\",           "\xe2\x80\xae",     ","};

std::string RandomBytes(std::mt19937& random, size_t max_length) {
  std::string bytes;
  const size_t length = 1 + random() % max_length;
  while (bytes.size() < length) {
    if (random() % 2 == 0) {
      bytes += kHostile[random() % kHostile.size()];
    } else {
      bytes += static_cast<char>(random() % 256);
    }
  }
  return bytes;
}

// A name the files may be called after: plain (inputs.h), and short enough.
std::string RandomPlainName(std::mt19937& random) {
  for (;;) {
    std::string name = RandomBytes(random, 8);
    if (CheckPlainName("--route", name).ok() && name.size() < 40) return name;
  }
}

// Shown text for a terminal: valid UTF-8, no control byte but the tab and
// the line end.
std::string TerminalProblem(const std::string& text) {
  if (!IsValidUtf8(text)) {
    // Where: the first line that is not.
    size_t start = 0;
    for (size_t end = text.find('\n'); ; end = text.find('\n', start)) {
      const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
      if (!IsValidUtf8(line)) return "not valid UTF-8: " + QuotedName(line);
      if (end == std::string::npos) break;
      start = end + 1;
    }
    return "not valid UTF-8";
  }
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 32 && c != '\n' && c != '\t') || byte == 127) return "a raw control byte " + std::to_string(byte);
  }
  return "";
}

std::string JsonProblem(const std::string& text) {
  try {
    const nlohmann::json parsed = nlohmann::json::parse(text);
    (void)parsed;
  } catch (const nlohmann::json::exception& refused) {
    return refused.what();
  }
  return "";
}

std::string XmlFileProblem(const std::filesystem::path& file) {
  const std::string xml = testing::ReadFile(file);
  if (xml.empty()) return "no picture";
  if (std::string problem = inspect_test::XmlProblem(xml); !problem.empty()) return problem;
  if (!IsValidUtf8(xml)) return "not valid UTF-8";
  if (inspect_test::PythonSaysWellFormed(file) == false) return "refused by the XML parser";
  return "";
}

TEST(ShownTextPropertyTest, EveryWriterOfShownTextTakesAnyBytes) {
  std::mt19937 random(20261209);
  int drawn_clean = 0, drawn_failed = 0;
  for (int round = 0; round < 24; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    testing::TestFolder folder;
    CompileOptions options;
    options.route = RandomPlainName(random);
    options.train = RandomPlainName(random);
    options.line_path = (folder / ("line" + RandomPlainName(random))).string();
    options.train_path = (folder / ("train" + RandomPlainName(random))).string();
    options.out_dir = (folder / "out").string();
    options.report_path = (folder / "report.json").string();
    options.svg_path = (folder / "picture.svg").string();
    // Every other round a number that is not one: error 25, the picture's
    // band quoting it.
    const bool bad_number = round % 2 == 1;
    std::vector<std::string> general = {"Sfondo uno" + RandomBytes(random, 6) + ", 1"};
    std::vector<std::string> data = {
        "- " + RandomBytes(random, 12),
        "cartello indicatore, 1000, " + RandomBytes(random, 12),
        RandomBytes(random, 10),
        std::string("pendenza, 500, 3") + (bad_number ? RandomBytes(random, 4) : ""),
    };
    testing::WriteFile(options.line_path, testing::LineText(data, general, "20000"));
    testing::WriteFile(options.train_path,
                       testing::TrainText({"stazione, 0, 8, 500, 1,0,0, 4,0,0, 2,1,0, 1, 10,50,0, " +
                                               RandomBytes(random, 12),
                                           "- " + RandomBytes(random, 12),
                                           "stazione, 20000, 6, 600, 1,0,0, 0,0,0, 0,0,0, 0, 11,30,0, " +
                                               RandomBytes(random, 12)}));
    std::ostringstream err;
    CompileSummary summary;
    ASSERT_NO_THROW(summary = RunCompile(options, err));
    EXPECT_EQ(TerminalProblem(err.str()), "") << err.str();
    EXPECT_EQ(JsonProblem(testing::ReadFile(options.report_path)), "");
    EXPECT_EQ(XmlFileProblem(options.svg_path), "");
    ++(summary.error_code == 0 ? drawn_clean : drawn_failed);

    viewer::DescriptionTexts texts{options.line_path, options.train_path,
                                   testing::ReadFile(options.line_path), testing::ReadFile(options.train_path)};
    EXPECT_EQ(JsonProblem(viewer::CompileStatusJson(summary, texts)), "") << "the live page's status";
    ScenarioFolder set;
    if (LoadScenarioSet(options.out_dir, options.route, options.train, &set).ok()) {
      EXPECT_NO_THROW((void)viewer::SceneJson(set, nullptr).dump()) << "the live page's scene";
      // scenario-inspect: the dump, its JSON and its picture.
      InspectOptions inspect;
      inspect.paths = {options.out_dir};
      std::ostringstream out, inspect_err;
      RunInspect(inspect, out, inspect_err);
      EXPECT_EQ(TerminalProblem(out.str() + inspect_err.str()), "");
      inspect.json = true;
      std::ostringstream json;
      RunInspect(inspect, json, inspect_err);
      EXPECT_EQ(JsonProblem(json.str()), "");
      inspect.json = false;
      inspect.svg_output = (folder / "inspected.svg").string();
      EXPECT_EQ(RunInspect(inspect, out, inspect_err), kExitSuccess) << inspect_err.str();
      EXPECT_EQ(XmlFileProblem(inspect.svg_output), "");
      EXPECT_EQ(TerminalProblem(inspect_err.str()), "");
    }
  }
  // Both kinds of picture were drawn: the scenario, and the band alone.
  EXPECT_GE(drawn_clean, 4);
  EXPECT_GE(drawn_failed, 4);
}

}  // namespace
}  // namespace scenario
