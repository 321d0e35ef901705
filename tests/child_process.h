// Runs a program of the project as a child process, as a user would, and
// watches it: its standard error read as it comes, signals sent to it, and a
// time limit after which it is killed, so that a program that hangs fails
// its test instead of holding up the suite. The limits are hang guards, not
// measures of speed.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace scenario::testing {

class ChildProcess {
 public:
  // Starts argv[0] with the arguments; `environment` entries NAME=VALUE are
  // set and bare NAMEs unset in the child.
  explicit ChildProcess(const std::vector<std::string>& argv,
                        const std::vector<std::string>& environment = {}) {
    int err_pipe[2];
    if (pipe2(err_pipe, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(err_pipe[1], 2);
      const int null = open("/dev/null", O_RDWR);
      dup2(null, 0);
      dup2(null, 1);
      for (const std::string& entry : environment) {
        const size_t equals = entry.find('=');
        if (equals == std::string::npos) {
          unsetenv(entry.c_str());
        } else {
          setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
        }
      }
      std::vector<char*> args;
      for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
      args.push_back(nullptr);
      execv(args[0], args.data());
      _exit(127);
    }
    close(err_pipe[1]);
    err_fd_ = err_pipe[0];
  }
  ~ChildProcess() {
    if (running()) {
      kill(pid_, SIGKILL);
      Wait(std::chrono::seconds(10));
    }
    if (err_fd_ >= 0) close(err_fd_);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool running() const { return pid_ > 0 && !ended_; }
  void Signal(int signal) const {
    if (running()) kill(pid_, signal);
  }

  // Reads standard error until it holds `text` after position `from`;
  // false when the child ends or the time runs out first.
  bool WaitForError(const std::string& text, std::chrono::milliseconds limit, size_t from = 0) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (err_.find(text, from) == std::string::npos) {
      if (!ReadError(end)) return err_.find(text, from) != std::string::npos;
    }
    return true;
  }

  // Waits for the end; kills the child if it has not ended within the limit
  // (timed_out() tells). The exit status, or 128 + the signal that ended it.
  int Wait(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (ReadError(end)) {
    }
    while (!ended_) {
      int raw = 0;
      if (waitpid(pid_, &raw, WNOHANG) != pid_) {
        if (std::chrono::steady_clock::now() < end) {
          usleep(2000);
          continue;
        }
        timed_out_ = true;
        kill(pid_, SIGKILL);
        waitpid(pid_, &raw, 0);
      }
      ended_ = true;
      status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    }
    return status_;
  }

  bool timed_out() const { return timed_out_; }
  const std::string& err() const { return err_; }

 private:
  // Reads what standard error has until the deadline; false at its end or
  // at the deadline.
  bool ReadError(std::chrono::steady_clock::time_point end) {
    if (err_fd_ < 0) return false;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd readable{err_fd_, POLLIN, 0};
    if (poll(&readable, 1, static_cast<int>(left.count())) <= 0) return false;
    char buffer[4096];
    const ssize_t n = read(err_fd_, buffer, sizeof buffer);
    if (n <= 0) {
      close(err_fd_);
      err_fd_ = -1;
      return false;
    }
    err_.append(buffer, static_cast<size_t>(n));
    return true;
  }

  pid_t pid_ = -1;
  int err_fd_ = -1;
  bool ended_ = false;
  bool timed_out_ = false;
  int status_ = -1;
  std::string err_;
};

}  // namespace scenario::testing
