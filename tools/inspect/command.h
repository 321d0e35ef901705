// scenario-inspect: the dump of compiled files and the scenario picture,
// with the output streams given so that tests can run it in process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/exit_status.h"
#include "records/fresh_file.h"

namespace scenario {

struct InspectOptions {
  std::vector<std::string> paths;
  bool json = false;
  std::string svg_output;  // with a folder: draw it into this file
  FileFaults* faults = nullptr;  // tests: makes the picture's writing fail
};

// Dumps every file (text, or JSON: one object for one file, an array for
// several); a folder stands for the files of the one scenario in it. A file
// or folder that cannot be read gets "<path>: error: ..." on `err` and the
// others are still dumped. With svg_output, `paths` must hold exactly one
// folder. Returns kExitSuccess when everything was read (and drawn), else
// kExitFailure: a file or the folder could not be read, the picture could
// not be written, or the options ask for something impossible.
ExitStatus RunInspect(const InspectOptions& options, std::ostream& out, std::ostream& err);

}  // namespace scenario
