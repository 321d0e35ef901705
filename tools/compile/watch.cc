#include "tools/compile/watch.h"

#include <chrono>
#include <csignal>
#include <thread>

namespace scenario {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int /*signal*/) { interrupted = 1; }

constexpr std::chrono::milliseconds kPollInterval{200};

}  // namespace

int RunWatchLoop(const WatchHooks& hooks, int max_polls) {
  std::string compiled = hooks.stamp();
  hooks.compile();
  int compiles = 1;
  for (int polls = 0; max_polls <= 0 || polls < max_polls; ++polls) {
    if (hooks.stop_requested()) break;
    hooks.pause();
    const std::string now = hooks.stamp();
    if (now == compiled) continue;
    // The stamp is taken before the compile: an edit made while it runs is
    // seen at the next poll.
    compiled = now;
    hooks.compile();
    ++compiles;
  }
  return compiles;
}

std::string FilesStamp(const std::vector<std::filesystem::path>& files) {
  std::string stamp;
  for (const std::filesystem::path& file : files) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(file, error);
    const auto size = std::filesystem::file_size(file, error);
    if (error) {
      stamp += "missing;";
      continue;
    }
    stamp += std::to_string(time.time_since_epoch().count()) + ":" + std::to_string(size) + ";";
  }
  return stamp;
}

void CatchInterrupt() {
  interrupted = 0;
  std::signal(SIGINT, OnInterrupt);
}

bool Interrupted() { return interrupted != 0; }

int WatchAndCompile(const CompileOptions& options, std::ostream& err) {
  CatchInterrupt();
  int status = 0;
  int round = 0;
  WatchHooks hooks;
  hooks.compile = [&] {
    if (round++ > 0) err << "scenario-compile: a description changed, compiling again\n";
    status = RunCompile(options, err).exit_status;
    err << "scenario-compile: watching " << options.line_path << " and " << options.train_path
        << " (Ctrl-C ends)\n";
    err.flush();
  };
  hooks.stamp = [&] { return FilesStamp({options.line_path, options.train_path}); };
  hooks.pause = [] { std::this_thread::sleep_for(kPollInterval); };
  hooks.stop_requested = [] { return Interrupted(); };
  RunWatchLoop(hooks);
  return status;
}

}  // namespace scenario
