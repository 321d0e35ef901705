// The core of scenario-compile: compiles two given description texts into a
// folder with the packager's own compile step, and reports what happened.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace scenario {

struct CompileOptions {
  std::string route = "Corvena_Lidra1";
  std::string train = "7304";
  bool no_route_file = false;
  std::string report_path;  // empty: no report
  std::string line_path;
  std::string train_path;
  std::string out_dir;
};

struct CompileSummary {
  int exit_status = 0;
  int32_t error_code = 0;
  int32_t error_position = 0;
  std::optional<int32_t> fatal;
  std::vector<std::string> files;  // sorted
};

// Runs one compile; messages go to err. Never deletes the description texts.
CompileSummary RunCompile(const CompileOptions& options, std::ostream& err);

}  // namespace scenario
