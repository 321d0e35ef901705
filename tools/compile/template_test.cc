// --template: the blank descriptions compile clean with every kind of record
// read once (two stops: one alone is warned), and an author's files are
// never written over.
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "descriptions/keywords.h"
#include "tools/diagnostics/diagnostic_recorder.h"
#include "tools/compile/template.h"
#include "tests/compile_run.h"

namespace scenario {
namespace {

TEST(TemplateTest, CompilesCleanWithEveryRecordKindOnce) {
  testing::TestFolder folder;
  const std::string dir = (folder / "new" / "scenario").string();
  FreshFileWriter writer;
  std::ostringstream out, err;
  ASSERT_EQ(WriteTemplate(dir, writer, out, err), 0) << err.str();

  CompileOptions options;
  options.line_path = dir + "/line.txt";
  options.train_path = dir + "/train.txt";
  options.out_dir = (folder / "out").string();
  std::map<std::string, int> read;
  options.on_compiled = [&](const CompiledRun& run) {
    for (const RecordRead& record : run.recorder.records()) ++read[std::string(record.kind)];
  };
  std::ostringstream compile_err;
  const CompileSummary summary = RunCompile(options, compile_err);
  EXPECT_EQ(summary.exit_status, 0) << compile_err.str();
  EXPECT_EQ(summary.errors, 0) << compile_err.str();
  EXPECT_EQ(summary.warnings, 0) << compile_err.str();
  size_t kinds = 0;
  for (KeywordScope scope :
       {KeywordScope::kLineGeneral, KeywordScope::kLineData, KeywordScope::kTrainBody}) {
    for (const RecordKeyword& keyword : KeywordsOf(scope)) {
      ++kinds;
      EXPECT_EQ(read[std::string(keyword.kind)], keyword.kind == std::string("stop") ? 2 : 1)
          << keyword.kind;
    }
  }
  EXPECT_EQ(read.size(), kinds);
}

TEST(TemplateTest, NeverWritesOverAnAuthorsFile) {
  for (const char* existing : {"line.txt", "train.txt"}) {
    testing::TestFolder folder;
    testing::WriteFile(folder / existing, "my own work");
    FreshFileWriter writer;
    std::ostringstream out, err;
    EXPECT_EQ(WriteTemplate(folder.path().string(), writer, out, err), 2);
    EXPECT_NE(err.str().find(existing), std::string::npos) << err.str();
    EXPECT_EQ(testing::ReadFile(folder / existing), "my own work");
    const char* other = std::string(existing) == "line.txt" ? "train.txt" : "line.txt";
    EXPECT_FALSE(std::filesystem::exists(folder / other)) << other;
  }
}

}  // namespace
}  // namespace scenario
