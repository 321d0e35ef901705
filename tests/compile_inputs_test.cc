// scenario-compile run as a user would, on what a hostile or careless user
// gives it: a description that is not a readable regular file, or is far too
// large, and route names and train numbers that are paths. Each is refused
// before anything is compiled: one line naming what and why, exit status 2,
// nothing written anywhere, no crash and no wait.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <functional>
#include <set>

#include "tests/child_process.h"
#include "tests/test_folder.h"
#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::ChildProcess;
using testing::TestFolder;

std::set<std::string> Tree(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    names.insert(entry.path().lexically_relative(folder).string());
  }
  return names;
}

struct RefusedCase {
  const char* name;
  // Prepares the folder; gives the arguments before the three paths and the
  // two description paths.
  std::function<std::vector<std::string>(const TestFolder&, std::string*, std::string*)> setup;
  // The message after "scenario-compile: "; LINE and TRAIN stand for the paths.
  std::string message;
};

const std::string kNotPlain =
    "\" is not a plain name: the files are named after it inside OUTDIR, so it may not be empty "
    "or \".\", nor hold a '/', \"..\" or a NUL byte";

std::vector<std::string> Options(std::vector<std::string> options) { return options; }

const RefusedCase kRefused[] = {
    {"LineIsADirectory",
     [](const TestFolder& f, std::string* line, std::string*) {
       std::filesystem::create_directory(*line = (f / "line.d").string());
       return Options({});
     },
     "cannot read LINE: it is a directory"},
    {"TrainIsADirectory",
     [](const TestFolder& f, std::string*, std::string* train) {
       std::filesystem::create_directory(*train = (f / "train.d").string());
       return Options({});
     },
     "cannot read TRAIN: it is a directory"},
    {"LineIsAFifo",
     [](const TestFolder& f, std::string* line, std::string*) {
       mkfifo((*line = (f / "line.fifo").string()).c_str(), 0644);
       return Options({});
     },
     "cannot read LINE: it is a FIFO"},
    {"LineIsAnEndlessDevice",
     [](const TestFolder&, std::string* line, std::string*) {
       *line = "/dev/zero";
       return Options({});
     },
     "cannot read LINE: it is a character device"},
    {"LineIsFarTooLarge",
     [](const TestFolder& f, std::string* line, std::string*) {
       testing::WriteFile(*line = (f / "huge.txt").string(), "");
       std::filesystem::resize_file(*line, uint64_t{3} << 30);
       return Options({});
     },
     "cannot read LINE: it holds 3221225472 bytes, more than the 1073741824 a description may hold"},
    {"LineIsMissing",
     [](const TestFolder& f, std::string* line, std::string*) {
       *line = (f / "no-such-line.txt").string();
       return Options({});
     },
     "cannot read LINE: No such file or directory"},
    {"RouteClimbsOutOfOutdir", [](const TestFolder&, std::string*, std::string*) { return Options({"--route", "../escaped"}); },
     "--route \"../escaped" + kNotPlain},
    {"RouteIsAbsolute", [](const TestFolder& f, std::string*, std::string*) { return Options({"--route", (f / "abs").string()}); },
     "--route \"FOLDER/abs" + kNotPlain},
    {"RouteIsEmpty", [](const TestFolder&, std::string*, std::string*) { return Options({"--route", ""}); },
     "--route \"" + kNotPlain},
    {"TrainIsDot", [](const TestFolder&, std::string*, std::string*) { return Options({"--train", "."}); },
     "--train \"." + kNotPlain},
    {"TrainIsDotDot", [](const TestFolder&, std::string*, std::string*) { return Options({"--train", ".."}); },
     "--train \".." + kNotPlain},
    {"TrainHoldsASlash", [](const TestFolder&, std::string*, std::string*) { return Options({"--train", "73/04"}); },
     "--train \"73/04" + kNotPlain},
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class CompileRefusesTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(CompileRefusesTest, BeforeAnythingIsReadOrWritten) {
  const RefusedCase& c = GetParam();
  TestFolder folder;
  std::string line = (folder / "line.txt").string();
  std::string train = (folder / "train.txt").string();
  testing::WriteFile(line, testing::LineText({}));
  testing::WriteFile(train, testing::TrainText({testing::kOrigin, testing::kTerminus}));
  std::vector<std::string> argv{SCENARIO_COMPILE_PATH};
  for (const std::string& option : c.setup(folder, &line, &train)) argv.push_back(option);
  const std::string out = (folder / "sub" / "out").string();
  argv.insert(argv.end(), {"--report", (folder / "report.json").string(), line, train, out});
  const std::set<std::string> before = Tree(folder.path());

  ChildProcess compile(argv);
  EXPECT_EQ(compile.Wait(std::chrono::seconds(20)), 2);
  EXPECT_FALSE(compile.timed_out());
  std::string message = c.message;
  for (const auto& [mark, path] : {std::pair<std::string, std::string>{"LINE", line},
                                   {"TRAIN", train}, {"FOLDER", folder.path().string()}}) {
    if (const size_t at = message.find(mark); at != std::string::npos) message.replace(at, mark.size(), path);
  }
  EXPECT_EQ(compile.err(), "scenario-compile: " + message + "\n");
  EXPECT_EQ(Tree(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Inputs, CompileRefusesTest, ::testing::ValuesIn(kRefused),
                         [](const ::testing::TestParamInfo<RefusedCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace scenario
