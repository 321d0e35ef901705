// scenario-inspect: the dump of compiled files and the scenario picture,
// with the output streams given so that tests can run it in process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace scenario {

// Exit statuses: 0 everything was read; 2 a file or the folder could not be
// read, or the command line asks for something impossible.
inline constexpr int kInspectOk = 0;
inline constexpr int kInspectBadInput = 2;

struct InspectOptions {
  std::vector<std::string> paths;
  bool json = false;
  std::string svg_output;  // with a folder: draw it into this file
};

// Dumps every file (text, or JSON: one object for one file, an array for
// several); a folder stands for the files of the one scenario in it. A file
// or folder that cannot be read gets "<path>: error: ..." on `err` and the
// others are still dumped. With svg_output, `paths` must hold exactly one
// folder.
int RunInspect(const InspectOptions& options, std::ostream& out, std::ostream& err);

}  // namespace scenario
