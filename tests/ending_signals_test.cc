// What ends a run from outside. SIGINT, SIGTERM and SIGHUP end the packager
// as they would any program (the shell sees 128 + the signal), but never
// leave a description text in its folder: only the texts this run wrote go,
// a file that took a text's name meanwhile stays. A file size limit makes a
// write fail with a message, not the run end without a word; the older
// binary files stay.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "app/file_names.h"
#include "app/passing_texts.h"
#include "records/fresh_file.h"
#include "tests/child_process.h"
#include "tests/test_folder.h"
#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::ChildProcess;
using testing::EntryNames;
using testing::ReadFile;
using testing::TestFolder;
using testing::WriteFile;

const FileNames kNames = MakeFileNames(kRouteName, kTrainNumber);
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// In a child process: writes both texts as the packager does, lets the
// train text be replaced by another file when asked, then takes the
// signal. The child's raw wait status.
int SignalledWhileTextsPass(const TestFolder& folder, int signal_number, bool replaced) {
  const pid_t child = fork();
  if (child == 0) {
    PassingTexts texts(folder / kNames.line_text, folder / kNames.train_text);
    FreshFileWriter writer;
    for (int which : {0, 1}) {
      const std::string& name = which == 0 ? kNames.line_text : kNames.train_text;
      if (!texts.Write(which, [&] { return writer.Write(folder / name, "text"); }).ok()) _exit(3);
    }
    if (replaced && !writer.Write(folder / kNames.train_text, "another file's").ok()) _exit(3);
    raise(signal_number);
    _exit(4);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

TEST(EndingSignalsTest, TheTextsWrittenGoAndTheSignalEndsTheRun) {
  for (int signal_number : kEndingSignals) {
    for (bool replaced : {false, true}) {
      SCOPED_TRACE(std::string(strsignal(signal_number)) + (replaced ? ", train text replaced" : ""));
      TestFolder folder;
      WriteFile(folder / "beside.txt", "stays");

      const int status = SignalledWhileTextsPass(folder, signal_number, replaced);

      ASSERT_TRUE(WIFSIGNALED(status)) << status;
      EXPECT_EQ(WTERMSIG(status), signal_number);
      std::set<std::string> expected{"beside.txt"};
      if (replaced) expected.insert(kNames.train_text);
      EXPECT_EQ(EntryNames(folder.path()), expected);
      if (replaced) {
        EXPECT_EQ(ReadFile(folder / kNames.train_text), "another file's");
      }
    }
  }
}

std::string PackagerIn(const TestFolder& folder) {
  std::filesystem::copy_file(SCENARIO_PACKAGER_PATH, folder / "scenario-packager");
  return (folder / "scenario-packager").string();
}

TEST(EndingSignalsTest, APackagerSignalledAtAnyMomentLeavesNoText) {
  TestFolder folder;
  const std::string packager = PackagerIn(folder);
  // Signals spread over the run, from its start past its end.
  int delay_us = 0;
  for (int round = 0; round < 8; ++round) {
    for (int signal_number : kEndingSignals) {
      SCOPED_TRACE(std::string(strsignal(signal_number)) + " after " + std::to_string(delay_us) + " us");
      ChildProcess run({packager}, {"DISPLAY"});
      std::this_thread::sleep_for(std::chrono::microseconds(delay_us));
      run.Signal(signal_number);
      const int status = run.Wait(std::chrono::seconds(30));
      EXPECT_TRUE(status == 0 || status == 128 + signal_number) << status << run.err();
      const std::set<std::string> names = EntryNames(folder.path());
      EXPECT_EQ(names.count(kNames.line_text) + names.count(kNames.train_text), 0u);
      delay_us += 1500;
    }
  }
}

// The run of a command under `ulimit -f 100` (100 KiB): the route file,
// 5.5 MB, cannot be written.
std::vector<std::string> UnderFileSizeLimit(std::vector<std::string> command) {
  command.insert(command.begin(), {"/bin/sh", "-c", "ulimit -f 100 && exec \"$0\" \"$@\""});
  return command;
}

TEST(EndingSignalsTest, AFileSizeLimitIsAFileFailureThatKeepsTheOlderFiles) {
  const std::string route_file = kNames.route_file;
  for (bool packager : {true, false}) {
    SCOPED_TRACE(packager ? "scenario-packager" : "scenario-compile");
    TestFolder folder;
    const std::filesystem::path out = packager ? folder.path() : folder / "out";
    std::filesystem::create_directories(out);
    for (const std::string& name : {kNames.route_file, kNames.scenario_file, kNames.grid_file}) {
      WriteFile(out / name, "older " + name);
    }
    std::vector<std::string> command;
    if (packager) {
      command = {PackagerIn(folder)};
    } else {
      WriteFile(folder / "line.txt", ReadFile(std::string(SCENARIO_SOURCE_DIR) + "/examples/line.txt"));
      WriteFile(folder / "train.txt", ReadFile(std::string(SCENARIO_SOURCE_DIR) + "/examples/train.txt"));
      command = {SCENARIO_COMPILE_PATH, (folder / "line.txt").string(), (folder / "train.txt").string(),
                 out.string(), "--report", (folder / "report.json").string()};
    }
    ChildProcess run(UnderFileSizeLimit(command), {"DISPLAY"});
    EXPECT_EQ(run.Wait(std::chrono::seconds(60)), 2) << run.err();
    EXPECT_NE(run.err().find("cannot write " + (out / route_file).string() + ": write: File too large"),
              std::string::npos)
        << run.err();
    for (const std::string& name : {kNames.route_file, kNames.scenario_file, kNames.grid_file}) {
      EXPECT_EQ(ReadFile(out / name), "older " + name);
    }
    const std::set<std::string> names = EntryNames(out);
    EXPECT_EQ(names.count(kNames.line_text) + names.count(kNames.train_text), 0u);
    // The report is written all the same, and names no binary file.
    if (!packager) {
      EXPECT_NE(ReadFile(folder / "report.json").find("\"files\": []"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace scenario
