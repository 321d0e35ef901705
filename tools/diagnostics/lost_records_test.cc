// The mistakes that used to drop a record without a word: a misspelt
// keyword, a comment cut by a comma, a record short of a value, a train path
// mistyped on the command line. Each diagnostic is pinned whole, as the
// author reads it.
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::CompileRun;
using testing::kOrigin;
using testing::kTerminus;
using testing::LineText;
using testing::TrainText;

struct MisspeltCase {
  const char* name;
  bool in_train;
  std::string record;    // the data line, written after the origin in a train
  std::string expected;  // the diagnostic after "FILE:", source and caret lines
  std::string lost;      // what the closing line of records read shows
};

class MisspeltKeywordTest : public ::testing::TestWithParam<MisspeltCase> {};

TEST_P(MisspeltKeywordTest, IsNamedWithTheKeywordItIsNearest) {
  const MisspeltCase& c = GetParam();
  CompileRun run;
  if (c.in_train) {
    run.Run(LineText({}), TrainText({kOrigin, c.record, kTerminus}));
  } else {
    run.Run(LineText({c.record}), TrainText({kOrigin, kTerminus}));
  }
  const std::string& file = c.in_train ? run.train_path : run.line_path;
  EXPECT_NE(run.err.find(file + ":" + c.expected), std::string::npos) << run.err;
  // One warning for the line: the values and names after the keyword are
  // not blamed again.
  EXPECT_EQ(run.CountWarnings("unknown-keyword"), 1) << run.err;
  EXPECT_EQ(run.summary.exit_status, 0);
  EXPECT_NE(run.err.find(c.lost), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    TheIssuesFour, MisspeltKeywordTest,
    ::testing::Values(
        MisspeltCase{"Pendeza", false, "pendeza, 500, -7",
                     "4:1: warning: \"pendeza\" is not a keyword of the data sections, so no "
                     "record begins here; did you mean 'pendenza'? [-Wunknown-keyword]\n"
                     "pendeza, 500, -7\n"
                     "^~~~~~~\n",
                     "read 0 gradients,"},
        MisspeltCase{"Pendenze", false, "pendenze  , 500    , -7",
                     "4:1: warning: \"pendenze\" is not a keyword of the data sections, so no "
                     "record begins here; did you mean 'pendenza'? [-Wunknown-keyword]\n"
                     "pendenze  , 500    , -7\n"
                     "^~~~~~~~\n",
                     "read 0 gradients,"},
        MisspeltCase{"Stazoine", true,
                     "stazoine, 4500, 2, 800, 0,1,1, 1,1,0, 4,0,0, 0, 0,0,0, BRESSOLA",
                     "3:1: warning: \"stazoine\" is not a keyword of the train description, so "
                     "no record begins here; did you mean 'stazione'? [-Wunknown-keyword]\n"
                     "stazoine, 4500, 2, 800, 0,1,1, 1,1,0, 4,0,0, 0, 0,0,0, BRESSOLA\n"
                     "^~~~~~~~\n",
                     ", 2 stops\n"},
        MisspeltCase{"Rallentamneto", true, "rallentamneto, 10000, 60, 1000, 0, 0, 0",
                     "3:1: warning: \"rallentamneto\" is not a keyword of the train "
                     "description, so no record begins here; did you mean 'rallentamento'? "
                     "[-Wunknown-keyword]\n"
                     "rallentamneto, 10000, 60, 1000, 0, 0, 0\n"
                     "^~~~~~~~~~~~~\n",
                     ", 0 slowdowns,"},
        MisspeltCase{"LineKeywordInTheTrain", true, "pendenza, 500, -7",
                     "3:1: warning: \"pendenza\" is a keyword of the line description, not of "
                     "the train description, so no record begins here [-Wunknown-keyword]\n"
                     "pendenza, 500, -7\n"
                     "^~~~~~~~\n",
                     ", 2 stops\n"}),
    [](const ::testing::TestParamInfo<MisspeltCase>& info) {
      return std::string(info.param.name);
    });

// Fields that match no record but are not meant as keywords: numbers,
// headers, blank lines, a record switched off by a hyphen, curves read
// without a route table, and what follows a comment or a name cut by a comma.
TEST(UnknownKeywordTest, IsNotRaisedForFieldsThatAreNoKeywords) {
  CompileRun run;
  CompileOptions options;
  options.no_route_file = true;
  run.Run(LineText({"[curve]", "curvad2, 500, 300", "", "pendenza, 500, -7, 12",
                    "- a note, and more", "[fine curve]"}),
          TrainText({kOrigin, "[segnali] ",
                     "-stazione, 4500, 25, 400, 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, P.C. VIGNALTA SUD",
                     "stazione, 10000, 2, 800, 0,0,0, 1,1,0, 4,0,0, 0, 0,0,0, ROCCA, SAN GIORGIO",
                     kTerminus}),
          options);
  EXPECT_EQ(run.CountWarnings("unknown-keyword"), 0) << run.err;
  EXPECT_EQ(run.CountWarnings("comment-comma"), 1) << run.err;
  EXPECT_EQ(run.CountWarnings("name-comma"), 1) << run.err;
}

TEST(CommentCommaTest, NamesTheCommaAndTheRecordItStarts) {
  CompileRun run;
  run.Run(LineText({"- The San Rocco tunnel, the montagna is 1500 m long",
                    "montagna, 5000, 6500, 11"}),
          TrainText({kOrigin, kTerminus}));
  EXPECT_NE(run.err.find(
                run.line_path +
                ":4:23: warning: the comment ends at this comma, and what follows it, \"the "
                "montagna is 1500 m long\", is read as the next field: a keyword field, which "
                "begins a tunnel record [-Wcomment-comma]\n"
                "- The San Rocco tunnel, the montagna is 1500 m long\n"
                "                      ^\n" +
                run.line_path +
                ":4:25: error: the tunnel record needs 3 values, start, end and kind; 0 found "
                "before the next keyword; reading stops here, and the compile goes on with what "
                "was read before [error 25]\n"
                "- The San Rocco tunnel, the montagna is 1500 m long\n"
                "                        ^~~~~~~~~~~~~~~~~~~~~~~~~~~\n" +
                run.line_path +
                ":5:1: note: \"montagna\" was read as its start, and is not a number\n"
                "montagna, 5000, 6500, 11\n"
                "^~~~~~~~\n"),
            std::string::npos)
      << run.err;
}

TEST(ShortRecordTest, BlamesTheRecordWithANoteAtTheFieldTakenAsItsValue) {
  CompileRun run;
  run.Run(LineText({"curvad5, 4000", "curvad5, 4200, 300"}), TrainText({kOrigin, kTerminus}));
  EXPECT_NE(run.err.find(run.line_path +
                         ":4:1: error: the curve record needs 2 values, start and length; 1 "
                         "found before the next keyword; reading stops here, and the compile "
                         "goes on with what was read before [error 25]\n"
                         "curvad5, 4000\n"
                         "^~~~~~~\n" +
                         run.line_path +
                         ":5:1: note: \"curvad5\" was read as its length, and is not a number\n"
                         "curvad5, 4200, 300\n"
                         "^~~~~~~\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("scenario-compile: the rest of the line description and the whole "
                         "train description were not read: " +
                         run.line_path + ":4:1 stopped the line reader (error 25)\n"),
            std::string::npos)
      << run.err;
}

TEST(MistypedPathTest, IsAUsageErrorThatWritesNothing) {
  CompileRun run;
  testing::WriteFile(run.line_path, LineText({}));
  const std::string train = (run.folder / "trian.txt").string();
  const std::string err = (run.folder / "err.txt").string();
  const std::string arguments = run.line_path + " " + train + " " + run.out_dir + " 2>" + err;
  EXPECT_EQ(testing::RunCompileBinary(arguments), 2);
  EXPECT_EQ(testing::ReadFile(err),
            "scenario-compile: cannot read " + train + ": No such file or directory\n");
  EXPECT_FALSE(std::filesystem::exists(run.out_dir) && !std::filesystem::is_empty(run.out_dir));
}

}  // namespace
}  // namespace scenario
