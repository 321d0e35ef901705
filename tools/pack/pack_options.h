// scenario-pack's options: the compile's, and what the built packager is
// made of.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "app/exit_status.h"
#include "tools/diagnostics/command.h"

namespace scenario {

struct PackOptions {
  // The descriptions' paths, the names, the warning switches and the input
  // encoding; its OUTDIR and its outputs are the command's own.
  CompileOptions compile;
  std::string output;  // -o PACKAGER
  // The author's documents; an empty path: made from the descriptions.
  std::string notes_path;
  std::string timetable_path;
  std::string slowdowns_path;
  // The plain packager the built one is a copy of.
  std::filesystem::path plain_packager;
};

// What a command line asks for: the options to run with, or, when the run
// ends with the parse, its exit status (kExitSuccess after the help,
// kExitFailure after a bad option), what to say written to out or err.
using PackCommandLine = std::variant<PackOptions, ExitStatus>;

// Parses the arguments after the program's name.
PackCommandLine ParsePackCommandLine(const std::string& program, const std::vector<std::string>& arguments,
                                     std::ostream& out, std::ostream& err);

}  // namespace scenario
