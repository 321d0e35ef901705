// The command-line fuzzer's invariants (fuzz/command_line_invariants.h) over
// command lines drawn at random from the kinds of paths and the options a
// hostile user tries, with a fixed seed: in the suite, and so under the
// sanitizers too. Whatever the command line, the exit status is 0, 1 or 2,
// nothing is written outside OUTDIR but the report and the picture, no
// temporary file stays, and a name that is not plain is refused.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "fuzz/command_line_invariants.h"
#include "tests/test_folder.h"
#include "tests/compile_run.h"

namespace scenario {
namespace {

using fuzzing::CommandLineCase;

const std::vector<std::string> kNames = {"R", "7304", "../escaped", "/abs", "", ".", "..", "a..b",
                                         "x/y", "\x1b]0;title\x07", "CITT\xc0"};

CommandLineCase RandomCase(std::mt19937& random) {
  auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  CommandLineCase c;
  c.line_kind = static_cast<fuzzing::InputKind>(pick(fuzzing::kInputKinds));
  c.train_kind = static_cast<fuzzing::InputKind>(pick(fuzzing::kInputKinds));
  c.out_kind = static_cast<fuzzing::OutKind>(pick(fuzzing::kOutKinds));
  c.report_kind = static_cast<fuzzing::ExtraKind>(pick(fuzzing::kExtraKinds));
  c.svg_kind = static_cast<fuzzing::ExtraKind>(pick(fuzzing::kExtraKinds));
  // Half of the time every path is one that works, so that many runs get
  // to compile.
  if (pick(2) == 0) {
    c.line_kind = c.train_kind = fuzzing::InputKind::kFile;
    c.out_kind = fuzzing::OutKind::kFresh;
    c.report_kind = pick(2) == 0 ? fuzzing::ExtraKind::kNone : fuzzing::ExtraKind::kInOut;
    c.svg_kind = pick(2) == 0 ? fuzzing::ExtraKind::kNone : fuzzing::ExtraKind::kBeside;
  }
  const std::vector<std::vector<std::string>> options = {
      {}, {"--no-route-file"}, {"-Werror"}, {"-Wno-few-stops"}, {"--bogus"}, {"--route"}, {"--train"},
      {"--write-on-error"}};
  for (size_t n = pick(3); n > 0; --n) {
    for (const std::string& option : options[pick(options.size())]) c.extra_arguments.push_back(option);
    if (!c.extra_arguments.empty() &&
        (c.extra_arguments.back() == "--route" || c.extra_arguments.back() == "--train")) {
      c.extra_arguments.push_back(kNames[pick(kNames.size())]);
    }
  }
  // A terminus off the 50 m steps records error code 8.
  std::string off_step = testing::kTerminus;
  off_step.replace(off_step.find("20000"), 5, "20010");
  // Routes the fuzzer builds a route table for: 20000 m at most.
  c.line_text = pick(5) == 0 ? "no description at all" : testing::LineText({"pendenza, 500, 3"}, {}, "20000");
  c.train_text = testing::TrainText({testing::kOrigin, pick(2) == 0 ? testing::kTerminus : off_step});
  return c;
}

TEST(CommandLinePropertyTest, EveryCommandLineKeepsTheInvariants) {
  testing::TestFolder folder;
  std::mt19937 random(20260611);
  std::map<int, int> statuses;  // how many compiles ended with each exit status
  for (int i = 0; i < 120; ++i) {
    const CommandLineCase c = RandomCase(random);
    const fuzzing::CommandLineOutcome outcome = fuzzing::RunCommandLine(c, folder / "run");
    ++statuses[outcome.compile_status];
    const std::vector<std::string>& broken = outcome.broken;
    std::string arguments;
    for (const std::string& argument : c.extra_arguments) arguments += " [" + argument + "]";
    for (const std::string& what : broken) {
      ADD_FAILURE() << "case " << i << " (kinds " << int(c.line_kind) << " " << int(c.train_kind) << " "
                    << int(c.out_kind) << " " << int(c.report_kind) << " " << int(c.svg_kind) << ","
                    << arguments << "): " << what;
    }
  }
  // The draw reaches every outcome: compiles that end well, with an error
  // code, refused or failed, and command lines that never compile.
  for (int status : {-1, 0, 1, 2}) EXPECT_GE(statuses[status], 5) << "exit status " << status;
}

}  // namespace
}  // namespace scenario
