// The two description texts pass through the packager's folder only while
// the run reads them: whatever ends the run (a file that cannot be written,
// the fatal report, an unhandled failure, SIGINT, SIGTERM or SIGHUP), they
// do not stay behind.
//
// Only what this run wrote is removed, known by its device and inode: a
// directory, or another file that took the name meanwhile, stays. On one of
// the three signals the handler removes the texts and the signal then ends
// the process as it would have (the shell sees 128 + its number). While a
// text is written and taken note of, the signals wait.
#pragma once

#include <signal.h>

#include <filesystem>
#include <functional>

#include "app/status.h"

namespace scenario {

class PassingTexts {
 public:
  // Takes the signals over; one instance at a time.
  PassingTexts(const std::filesystem::path& line, const std::filesystem::path& train);
  // Removes the texts this run wrote and gives the signals back.
  ~PassingTexts();
  PassingTexts(const PassingTexts&) = delete;
  PassingTexts& operator=(const PassingTexts&) = delete;

  // Runs the writer of text `which` (0 the line, 1 the train) with the
  // signals held, then notes the file it left at the text's path.
  Status Write(int which, const std::function<Status()>& write);

 private:
  struct sigaction before_[3];
};

// Removes a regular file left at the path by an earlier run that was
// killed; a directory or anything else stays.
void RemoveLeftText(const std::filesystem::path& path);

}  // namespace scenario
