// The packager with a display: its window on a bare Xvfb, which resets
// whenever its last client leaves.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <cstdlib>
#include <string>
#include <thread>

#include "tests/test_folder.h"

namespace scenario {
namespace {

using testing::ReadFile;
using testing::TestFolder;

// An Xvfb of its own on a display number no other test uses.
class Xvfb {
 public:
  explicit Xvfb(int number) : display_(":" + std::to_string(number)) {
    pid_ = fork();
    if (pid_ == 0) {
      execlp("Xvfb", "Xvfb", display_.c_str(), "-nolisten", "tcp", "-screen", "0", "320x240x24",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    // It is ready once its socket is there.
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!ready_ && std::chrono::steady_clock::now() < deadline) {
      ready_ = std::filesystem::exists(socket);
      if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  ~Xvfb() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  bool ready() const { return ready_; }
  const std::string& display() const { return display_; }

 private:
  std::string display_;
  pid_t pid_ = -1;
  bool ready_ = false;
};

struct PackagerRun {
  int status;
  std::string err;
};

PackagerRun RunPackager(const TestFolder& folder, const std::string& display) {
  std::filesystem::copy_file(SCENARIO_PACKAGER_PATH, folder / "scenario-packager");
  const std::string err = (folder / "err").string();
  const std::string command = "cd / && DISPLAY='" + display + "' '" +
                              (folder / "scenario-packager").string() + "' 2>'" + err + "'";
  const int raw = std::system(command.c_str());
  PackagerRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(err)};
  std::filesystem::remove(err);
  return run;
}

TEST(PackagerDisplayTest, TheWindowComesUpAndEveryFileIsWritten) {
#ifndef SCENARIO_PACKAGER_HAS_WINDOW
  GTEST_SKIP() << "the packager is built without its window";
#endif
  if (std::system("command -v Xvfb >/dev/null 2>&1") != 0) GTEST_SKIP() << "no Xvfb";
  const int number = 100 + static_cast<int>(getpid() % 800);
  Xvfb server(number);
  ASSERT_TRUE(server.ready()) << "Xvfb " << server.display() << " did not start";

  TestFolder shown, headless;
  const PackagerRun with_window = RunPackager(shown, server.display());
  // A display number where nothing listens: the console stand-in.
  const PackagerRun without = RunPackager(headless, ":" + std::to_string(number + 1000));
  EXPECT_EQ(with_window.status, 0) << with_window.err;
  EXPECT_EQ(with_window.err, "");  // the window, not the console message
  EXPECT_EQ(without.status, 0) << without.err;
  EXPECT_EQ(without.err, "Attendere\n");
  for (const char* name : {"Corvena_Lidra1_linea.dat", "Corvena_Lidra1_7304.sim",
                           "Corvena_Lidra1_7304.dat", "Corvena_Lidra1_7304_note.txt"}) {
    EXPECT_EQ(ReadFile(shown / name), ReadFile(headless / name)) << name;
  }
  EXPECT_EQ(std::filesystem::file_size(shown / "Corvena_Lidra1_linea.dat"), 5539964u);
}

}  // namespace
}  // namespace scenario
