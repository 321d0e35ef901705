// SIGKILL at any moment of a long compile leaves no temporary file behind,
// neither at once nor after the next run; the files in OUTDIR are always
// whole ones.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "tests/child_process.h"
#include "tests/test_folder.h"
#include "tests/compile_run.h"

namespace scenario {
namespace {

using testing::ChildProcess;
using testing::TestFolder;

std::vector<std::string> Temporaries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".tmp") != std::string::npos) names.push_back(name);
  }
  return names;
}

TEST(KilledRunTest, LeavesNoTemporaryFile) {
  TestFolder folder;
  // The longest route: a 20 MB route file, written over tens of milliseconds.
  testing::WriteFile(folder / "line.txt", testing::LineText({}, {}, "1000000"));
  testing::WriteFile(folder / "train.txt", testing::TrainText({testing::kOrigin, testing::kTerminus}));
  const std::vector<std::string> argv{SCENARIO_COMPILE_PATH, (folder / "line.txt").string(),
                                      (folder / "train.txt").string(), (folder / "out").string()};
  // Kills spread over the run, from its start to its last file.
  for (int delay_ms = 5; delay_ms <= 300; delay_ms += 15) {
    ChildProcess run(argv);
    std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    run.Signal(SIGKILL);
    run.Wait(std::chrono::seconds(30));
  }
  ChildProcess last(argv);
  EXPECT_EQ(last.Wait(std::chrono::seconds(60)), 0) << last.err();
  EXPECT_EQ(Temporaries(folder / "out"), std::vector<std::string>{});
  EXPECT_EQ(std::filesystem::file_size(folder / "out" / "Corvena_Lidra1_linea.dat"), 20139964u);
}

}  // namespace
}  // namespace scenario
