#include "app/passing_texts.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>

namespace scenario {

namespace {

constexpr int kEndingSignals[3] = {SIGINT, SIGTERM, SIGHUP};

// What the handler may touch. A signal handler reaches nothing but
// statics, and only through calls that are safe in it (lstat, unlink).
struct WrittenText {
  char path[PATH_MAX];
  dev_t device;
  ino_t inode;
  volatile sig_atomic_t noted;
};
WrittenText written_texts[2];

void RemoveWritten() {
  for (WrittenText& text : written_texts) {
    if (!text.noted) continue;
    struct stat now;
    if (lstat(text.path, &now) == 0 && now.st_dev == text.device && now.st_ino == text.inode) {
      unlink(text.path);
    }
    text.noted = 0;
  }
}

void OnEndingSignal(int signal_number) {
  RemoveWritten();
  // The handler was reset on entry: the signal, raised again, ends the
  // process once the handler returns.
  raise(signal_number);
}

sigset_t EndingSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal_number : kEndingSignals) sigaddset(&set, signal_number);
  return set;
}

}  // namespace

PassingTexts::PassingTexts(const std::filesystem::path& line, const std::filesystem::path& train) {
  const std::filesystem::path* paths[2] = {&line, &train};
  for (int i = 0; i < 2; ++i) {
    written_texts[i].noted = 0;
    // A path too long for the buffer could not have been written either.
    std::strncpy(written_texts[i].path, paths[i]->c_str(), PATH_MAX - 1);
    written_texts[i].path[PATH_MAX - 1] = '\0';
  }
  struct sigaction action = {};
  action.sa_handler = OnEndingSignal;
  action.sa_mask = EndingSignals();
  action.sa_flags = SA_RESETHAND;
  for (int i = 0; i < 3; ++i) sigaction(kEndingSignals[i], &action, &before_[i]);
}

PassingTexts::~PassingTexts() {
  const sigset_t ending = EndingSignals();
  sigset_t mask;
  pthread_sigmask(SIG_BLOCK, &ending, &mask);
  RemoveWritten();
  for (int i = 0; i < 3; ++i) sigaction(kEndingSignals[i], &before_[i], nullptr);
  pthread_sigmask(SIG_SETMASK, &mask, nullptr);
}

Status PassingTexts::Write(int which, const std::function<Status()>& write) {
  const sigset_t ending = EndingSignals();
  sigset_t mask;
  pthread_sigmask(SIG_BLOCK, &ending, &mask);
  Status written = write();
  WrittenText& text = written_texts[which];
  struct stat now;
  if (written.ok() && lstat(text.path, &now) == 0 && S_ISREG(now.st_mode)) {
    text.device = now.st_dev;
    text.inode = now.st_ino;
    text.noted = 1;
  }
  pthread_sigmask(SIG_SETMASK, &mask, nullptr);
  return written;
}

void RemoveLeftText(const std::filesystem::path& path) {
  struct stat left;
  if (lstat(path.c_str(), &left) == 0 && S_ISREG(left.st_mode)) unlink(path.c_str());
}

}  // namespace scenario
