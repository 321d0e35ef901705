// scenario-pack's options: the compile's, and what the built packager is
// made of.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/diagnostics/command.h"

namespace scenario {

// Exit statuses: 0 the packager is written; 1 the descriptions recorded an
// error code, or a warning under --warnings-as-errors (nothing written); 2
// the command line, an input, the plain packager or the output failed.
inline constexpr int kPackWritten = 0;
inline constexpr int kPackRefused = 1;
inline constexpr int kPackFailed = 2;

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

// Parses the arguments after the program's name. When the run ends with the
// parse (help, a bad option), nullopt, with what to say written to out or
// err and the exit status in *exit_status.
std::optional<PackOptions> ParsePackCommandLine(const std::string& program,
                                                const std::vector<std::string>& arguments,
                                                std::ostream& out, std::ostream& err, int* exit_status);

}  // namespace scenario
