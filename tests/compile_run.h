// The compile set-up every test shares: small description texts, one
// compile in a scratch folder (CompileRun), and finding diagnostics and
// fields.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/test_folder.h"
#include "tools/diagnostics/command.h"

namespace scenario::testing {

// A 30000 m route: N = 740, a record may stand at 36900 m at most.
inline std::string LineText(const std::vector<std::string>& data,
                            const std::vector<std::string>& general = {},
                            const std::string& length = "30000") {
  std::string text = "[generale]\r\nlunghezza percorso, " + length + "\r\n";
  for (const std::string& line : general) text += line + "\r\n";
  text += "[pendenze]\r\n";
  for (const std::string& line : data) text += line + "\r\n";
  return text + "[fine]\r\n";
}

inline std::string TrainText(const std::vector<std::string>& records) {
  std::string text = "[generale]\r\n";
  for (const std::string& line : records) text += line + "\r\n";
  return text + "[fine]\r\n";
}

// An origin and a terminus that raise no warning.
inline const std::string kOrigin =
    "stazione,      0,  8, 500,  1, 0, 0,   4,0,0,  2,1,0,  1, 10,50, 0, ORIGINE";
inline const std::string kTerminus =
    "stazione,  20000,  6, 600,  1, 0, 0,   0,0,0,  0,0,0,  0, 11,30, 0, CAPOLINEA";

// Where a token stands: the first line holding `line_part`, the token's
// first column in that line (both from 1); {0, 0} when not found.
inline TextPosition FindField(const std::string& text, const std::string& line_part,
                              const std::string& token) {
  std::istringstream lines(text);
  std::string line;
  for (int n = 1; std::getline(lines, line); ++n) {
    if (line.find(line_part) == std::string::npos) continue;
    const size_t at = line.find(token);
    if (at == std::string::npos) return {};
    return TextPosition{n, static_cast<int>(at) + 1};
  }
  return {};
}

// Runs the scenario-compile executable with the arguments (a shell line);
// its exit status, -1 when it did not exit.
inline int RunCompileBinary(const std::string& arguments) {
  const int status = std::system((std::string(SCENARIO_COMPILE_PATH) + " " + arguments).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct CompileRun {
  TestFolder folder;
  std::string line_path = (folder / "line.txt").string();
  std::string train_path = (folder / "train.txt").string();
  std::string out_dir = (folder / "out").string();
  std::string err;
  CompileSummary summary;

  // Writes the two texts into the folder and compiles them.
  CompileSummary& Run(const std::string& line, const std::string& train,
                      CompileOptions options = {}) {
    WriteFile(line_path, line);
    WriteFile(train_path, train);
    options.line_path = line_path;
    options.train_path = train_path;
    return RunOn(std::move(options));
  }

  // Compiles the descriptions the options name (the examples, say), those in
  // the folder when they name none, into the folder's OUTDIR unless they
  // name another.
  CompileSummary& RunOn(CompileOptions options) {
    if (options.line_path.empty()) options.line_path = line_path;
    if (options.train_path.empty()) options.train_path = train_path;
    if (options.out_dir.empty()) options.out_dir = out_dir;
    std::ostringstream stream;
    summary = RunCompile(options, stream);
    err = stream.str();
    return summary;
  }

  const Diagnostic* Error(int32_t code) const {
    for (const Diagnostic& d : summary.diagnostics) {
      if (d.severity == Severity::kError && d.code == code) return &d;
    }
    return nullptr;
  }
  const Diagnostic* Warning(const std::string& name) const {
    for (const Diagnostic& d : summary.diagnostics) {
      if (d.severity == Severity::kWarning && d.warning == name) return &d;
    }
    return nullptr;
  }
  int CountWarnings(const std::string& name) const {
    int n = 0;
    for (const Diagnostic& d : summary.diagnostics) n += d.warning == name ? 1 : 0;
    return n;
  }
};

}  // namespace scenario::testing
