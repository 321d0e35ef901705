#include "tools/common/command_main.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <new>

#include "tools/common/text.h"

namespace scenario {

int RunCommandMain(std::string_view prefix, ExitStatus (*work)(int, char**), int argc, char** argv) {
  // A reader of the messages that goes away (`2>&1 | head`) must not end the
  // run before its files are written: a failed write to a closed pipe only
  // stops the printing, and the exit status stays the run's.
  std::signal(SIGPIPE, SIG_IGN);
  // Past the file size limit a write fails with EFBIG and is reported as a
  // file failure, instead of the signal ending the run without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    return work(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << prefix << "out of memory: the run ended before it was done\n";
  } catch (const std::exception& failure) {
    std::cerr << prefix << "an unexpected failure ended the run: " << DisplayText(failure.what())
              << "\n";
  }
  return kExitFailure;
}

}  // namespace scenario
