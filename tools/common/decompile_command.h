// scenario-inspect --descriptions OUTDIR: opens a compiled scenario as the
// two description texts, proves them by compiling them in memory, and
// writes them into OUTDIR as line.txt and train.txt.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/exit_status.h"

namespace scenario {

// Exit statuses: 0 the texts give the files back byte for byte; 1 they were
// written but do not (the differences are named); 2 nothing was written (a
// file that is not of one compiled scenario, or OUTDIR cannot take them).
inline constexpr ExitStatus kDecompileExact = kExitSuccess;
inline constexpr ExitStatus kDecompileNotExact = kExitErrorRecorded;
inline constexpr ExitStatus kDecompileRefused = kExitFailure;

struct DecompileOptions {
  std::string out_dir;
  std::string route;  // with a folder: the set of this route and train
  std::string train;
  std::vector<std::string> paths;  // one folder, or the files
};

ExitStatus RunDecompile(const DecompileOptions& options, std::ostream& out, std::ostream& err);

}  // namespace scenario
