// How a run ends, as the number its caller sees: the packager and every
// command of the tools end with one of these three, and with no other.
//
// An unscoped enum on purpose: it converts to the int that main() returns,
// while an int does not convert back, so a status is always one of the
// names below, never a bare number.
#pragma once

namespace scenario {

enum ExitStatus : int {
  // The work was done: the files written, the dump printed, the page served.
  kExitSuccess = 0,
  // The compile recorded an error code (its files written by the packager
  // and with --write-on-error, held back otherwise), or found warnings that
  // -Werror counts as errors.
  kExitErrorRecorded = 1,
  // The command could not do its work: a command line, a name or a path
  // refused, an input that cannot be read, a file that cannot be written, a
  // folder that cannot be locked, an address that cannot be served, the
  // packager's fatal report, or an unexpected failure.
  kExitFailure = 2,
};

}  // namespace scenario
