// The packager under a real X server (Xvfb): a bare server, which resets
// whenever its last client leaves, serves every run; a connection that
// breaks at any moment of the run leaves the run going on, without the
// display, to its files and exit status 0. Between the packager and the
// server stands a relay that cuts the connection after a given number of
// bytes from the packager.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "tests/child_process.h"
#include "tests/test_folder.h"

namespace scenario {
namespace {

using std::chrono::seconds;
using testing::ChildProcess;
using testing::TestFolder;

constexpr char kXvfb[] = "/usr/bin/Xvfb";

// A local X server socket address: the abstract one Xlib tries first.
sockaddr_un XSocket(int display) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string name = "/tmp/.X11-unix/X" + std::to_string(display);
  name.copy(address.sun_path + 1, name.size());
  return address;
}
socklen_t XSocketLength(int display) {
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 +
                                std::string_view("/tmp/.X11-unix/X").size() + std::to_string(display).size());
}

// A bare Xvfb on a display number it chooses itself.
class Xvfb {
 public:
  Xvfb() {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      const int null = open("/dev/null", O_RDWR);
      dup2(null, 0);
      dup2(null, 1);
      dup2(null, 2);
      execl(kXvfb, kXvfb, "-displayfd", std::to_string(ready[1]).c_str(), "-nolisten", "tcp",
            "-screen", "0", "640x480x24", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(ready[1]);
    char number[16] = {};
    pollfd readable{ready[0], POLLIN, 0};
    if (poll(&readable, 1, 20000) > 0 && read(ready[0], number, sizeof number - 1) > 0) {
      display_ = std::atoi(number);
    }
    close(ready[0]);
  }
  ~Xvfb() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  int display() const { return display_; }

 private:
  pid_t pid_ = -1;
  int display_ = -1;
};

// Listens on a display number of its own and hands every connection on to
// the server, until the client has sent `cut_after` bytes in all: then it
// closes both ends, as a server that goes away does.
class CuttingRelay {
 public:
  CuttingRelay(int server_display, size_t cut_after) : server_(server_display), cut_after_(cut_after) {
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    for (int display = 700; display < 800 && display_ < 0; ++display) {
      sockaddr_un address = XSocket(display);
      if (bind(listener_, reinterpret_cast<sockaddr*>(&address), XSocketLength(display)) == 0) {
        display_ = display;
      }
    }
    listen(listener_, 8);
    thread_ = std::thread([this] { Serve(); });
  }
  ~CuttingRelay() {
    stop_ = true;
    thread_.join();
    close(listener_);
  }
  int display() const { return display_; }
  size_t sent() const { return sent_; }

 private:
  void Serve() {
    while (!stop_) {
      pollfd waiting{listener_, POLLIN, 0};
      if (poll(&waiting, 1, 50) <= 0) continue;
      const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (client < 0) continue;
      const int server = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
      sockaddr_un address = XSocket(server_);
      if (connect(server, reinterpret_cast<sockaddr*>(&address), XSocketLength(server_)) == 0) Relay(client, server);
      close(client);
      close(server);
    }
  }
  void Relay(int client, int server) {
    char buffer[65536];
    while (!stop_) {
      pollfd ends[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
      if (poll(ends, 2, 50) <= 0) continue;
      for (int i = 0; i < 2; ++i) {
        if (!(ends[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
        ssize_t n = read(ends[i].fd, buffer, sizeof buffer);
        if (n <= 0) return;
        if (i == 0) {
          const size_t room = cut_after_ - sent_;
          if (static_cast<size_t>(n) >= room) {
            if (write(server, buffer, room) < 0) return;
            sent_ += room;
            return;  // the connection breaks here
          }
          sent_ += static_cast<size_t>(n);
        }
        if (write(ends[1 - i].fd, buffer, static_cast<size_t>(n)) != n) return;
      }
    }
  }

  int server_;
  size_t cut_after_;
  int listener_ = -1;
  int display_ = -1;
  std::atomic<size_t> sent_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

struct PackagerRun {
  int status;
  std::string err;
  bool wrote_files;
};

PackagerRun RunPackager(int display) {
  TestFolder folder;
  std::filesystem::copy_file(SCENARIO_PACKAGER_PATH, folder / "scenario-packager");
  ChildProcess run({(folder / "scenario-packager").string()}, {"DISPLAY=:" + std::to_string(display)});
  PackagerRun result{run.Wait(seconds(60)), run.err(), false};
  result.wrote_files = std::filesystem::exists(folder / "Corvena_Lidra1_7304.dat") &&
                       std::filesystem::exists(folder / "Corvena_Lidra1_7304_note.txt");
  return result;
}

class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef SCENARIO_PACKAGER_HAS_WINDOW
    GTEST_SKIP() << "the packager is built without its window (SCENARIO_WITH_GUI=OFF)";
#endif
    if (access(kXvfb, X_OK) != 0) {
      GTEST_SKIP() << "no " << kXvfb << " (Debian package xvfb, which ./test.sh installs): "
                   << "the packager is not run under an X server";
    }
    xvfb_ = std::make_unique<Xvfb>();
    ASSERT_GE(xvfb_->display(), 0) << "Xvfb did not start";
  }
  std::unique_ptr<Xvfb> xvfb_;
};

TEST_F(DisplayTest, ABareServerThatResetsBetweenClientsServesEveryRun) {
  for (int i = 0; i < 20; ++i) {
    const PackagerRun run = RunPackager(xvfb_->display());
    EXPECT_EQ(run.status, 0) << "run " << i << ": " << run.err;
    EXPECT_TRUE(run.wrote_files) << "run " << i;
  }
}

TEST_F(DisplayTest, ADisplayLostAtAnyMomentLeavesTheRunGoingOnToItsFiles) {
  size_t whole = 0;
  {
    CuttingRelay relay(xvfb_->display(), SIZE_MAX);
    ASSERT_GE(relay.display(), 0);
    const PackagerRun run = RunPackager(relay.display());
    ASSERT_EQ(run.status, 0) << run.err;
    whole = relay.sent();
  }
  ASSERT_GT(whole, 100u);
  // From the connection's first bytes (the display cannot be opened) to
  // its last ones (the window closing).
  for (size_t cut : {size_t{1}, size_t{50}, whole / 8, whole / 4, whole / 2, 3 * whole / 4, whole - 1}) {
    CuttingRelay relay(xvfb_->display(), cut);
    const PackagerRun run = RunPackager(relay.display());
    EXPECT_EQ(run.status, 0) << "cut after " << cut << " of " << whole << " bytes: " << run.err;
    EXPECT_TRUE(run.wrote_files) << "cut after " << cut << " of " << whole << " bytes";
  }
}

}  // namespace
}  // namespace scenario
