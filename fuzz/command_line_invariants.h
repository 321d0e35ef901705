// What must hold after any command line of scenario-compile, whatever it
// names and whatever the descriptions hold: an exit status of 0, 1 or 2;
// no file written, changed or removed outside OUTDIR but the report and
// the picture asked for; no temporary file left; a name that is not plain
// refused; no description written over, and a report or picture named like
// a description, a binary file or each other refused before anything is
// written; after a compile that ends well, its binary files in OUTDIR and a
// report that is JSON; the binary files of OUTDIR one set (all new or all as
// they were) after any run, one in four of them with a write or a rename
// made to fail. Crashes and leaks the sanitizers catch.
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include <sys/stat.h>

#include "app/file_names.h"
#include "records/fresh_file.h"
#include "fuzz/command_line_input.h"
#include "fuzz/fuzz_input.h"
#include "tools/compile/command_line.h"
#include "tools/diagnostics/inputs.h"

namespace scenario::fuzzing {

// Every entry below the root, not following links: its kind and size.
inline std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> entries;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(root, error); !error && it != fs::end(it);
       it.increment(error)) {
    const fs::file_status status = it->symlink_status();
    std::string what = std::to_string(static_cast<int>(status.type()));
    if (status.type() == fs::file_type::regular) what += ":" + std::to_string(it->file_size());
    entries[it->path().lexically_relative(root).string()] = what;
  }
  return entries;
}

inline bool Below(const std::string& path, const std::string& folder) {
  return path == folder || path.rfind(folder + "/", 0) == 0;
}

inline bool PlainName(const std::string& name) {
  return !name.empty() && name != "." && name.find('/') == std::string::npos &&
         name.find("..") == std::string::npos && name.find('\0') == std::string::npos;
}

// One step of one binary file made to fail, as a full disk or a refused
// rename would, in one run of four: which one follows from the texts' sizes.
class InjectedFault : public FileFaults {
 public:
  InjectedFault(const CommandLineCase& c, const FileNames& names) {
    const size_t seed = c.line_text.size() + 7 * c.train_text.size();
    if (seed % 4 != 0) return;
    step_ = static_cast<FileStep>(seed / 4 % 4);
    const std::string* targets[] = {&names.route_file, &names.scenario_file, &names.grid_file};
    target_ = *targets[seed / 16 % 3];
  }
  bool ShouldFail(FileStep step, const fs::path& target) override {
    return !target_.empty() && step == step_ && target.filename() == target_;
  }

 private:
  FileStep step_ = FileStep::kCreate;
  std::string target_;  // empty: no fault
};

// Which file a name holds, if any: a file replaced has a new inode.
inline std::string Identity(const fs::path& path) {
  struct stat held;
  if (lstat(path.c_str(), &held) != 0) return "absent";
  return std::to_string(held.st_ino) + ":" + std::to_string(held.st_size);
}

struct CommandLineOutcome {
  std::vector<std::string> broken;  // the invariants broken, none when all hold
  int compile_status = -1;          // RunCompile's exit status; -1 when it was not run
};

// Runs the case's command line in the scratch folder `root`.
inline CommandLineOutcome RunCommandLine(const CommandLineCase& c, const fs::path& root) {
  const CommandLinePaths paths = LayOut(root, c);
  const auto before = Snapshot(root);
  CommandLineOutcome outcome;
  std::vector<std::string>& broken = outcome.broken;
  auto expect = [&](bool holds, const std::string& what) {
    if (!holds) broken.push_back(what);
  };
  std::ostringstream out, err;
  int exit_status = 0;
  const CompileCommandLine command_line =
      ParseCompileCommandLine("scenario-compile", Arguments(c, paths), out, err);
  if (const ExitStatus* ended = std::get_if<ExitStatus>(&command_line)) {
    exit_status = *ended;
    expect(exit_status == 0 || exit_status == 2, "the parser ended with " + std::to_string(exit_status));
    expect(Snapshot(root) == before, "a command line the parser ended wrote a file");
    return outcome;
  }
  const CompileOptions* options = &std::get<CompileOptions>(command_line);
  // Only the scratch folder's paths are run, and nothing that runs until
  // it is stopped.
  if (options->watch || !options->serve.empty() || options->line_path != paths.line.string() ||
      options->train_path != paths.train.string() || options->out_dir != paths.out.string() ||
      options->report_path != paths.report.string() || options->svg_path != paths.svg.string()) {
    return outcome;
  }
  const bool plain = PlainName(options->route) && PlainName(options->train);
  const bool checked_plain =
      CheckPlainName("--route", options->route).ok() && CheckPlainName("--train", options->train).ok();
  expect(checked_plain == plain,
         "--route \"" + options->route + "\" --train \"" + options->train + "\" plain: " +
             (plain ? "yes" : "no") + ", but the check says otherwise");
  // A file named after a name that is not plain could land anywhere on the
  // machine if the check failed: such a name is only checked, never run.
  if (!plain) return outcome;
  if (!options->no_route_file && MayAskForLongRoute(c.line_text, kLongestFuzzedRoute)) return outcome;

  // The descriptions as they were: no output may ever replace them.
  // Only a regular file is read (opening a FIFO would wait for a writer),
  // and one far above any text drawn here only by its size.
  auto bytes_of = [](const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::string();
    if (const uintmax_t size = fs::file_size(path, error); !error && size > (uintmax_t{1} << 24)) {
      return "a file of " + std::to_string(size) + " bytes";
    }
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
  const std::string line_before = bytes_of(paths.line), train_before = bytes_of(paths.train);
  // A report or picture named like an input or like another output of the
  // run is refused before anything is written.
  const FileNames names = MakeFileNames(options->route, options->train);
  std::vector<fs::path> taken = {paths.line, paths.train};
  for (const std::string& name : BinaryFileNames(names)) {
    taken.push_back(paths.out / name);
  }
  bool clash = !paths.report.empty() && paths.report == paths.svg;
  for (const fs::path& output : {paths.report, paths.svg}) {
    for (const fs::path& other : taken) clash = clash || (!output.empty() && output == other);
  }

  std::vector<std::string> set_names = BinaryFileNames(names);
  if (options->no_route_file) std::erase(set_names, names.route_file);
  std::vector<std::string> set_before;
  for (const std::string& name : set_names) set_before.push_back(Identity(paths.out / name));
  InjectedFault fault(c, names);
  CompileOptions faulted = *options;
  faulted.faults = &fault;
  const CompileSummary summary = RunCompile(faulted, err);
  size_t replaced = 0;
  for (size_t i = 0; i < set_names.size(); ++i) replaced += Identity(paths.out / set_names[i]) != set_before[i];
  expect(replaced == 0 || replaced == set_names.size(),
         std::to_string(replaced) + " of the " + std::to_string(set_names.size()) +
             " binary files replaced: not one set");
  expect(bytes_of(paths.line) == line_before && bytes_of(paths.train) == train_before,
         "a description was written over");
  if (clash) {
    expect(summary.exit_status == 2, "an output named like an input or another output, yet exit status " +
                                         std::to_string(summary.exit_status));
    expect(Snapshot(root) == before, "an output named like an input or another output, yet a file was written");
    return outcome;
  }
  exit_status = outcome.compile_status = summary.exit_status;
  expect(exit_status >= 0 && exit_status <= 2, "exit status " + std::to_string(exit_status));
  const auto after = Snapshot(root);
  const std::string out_dir = paths.out.lexically_relative(root).string();
  std::error_code error;
  const std::string real_out = fs::weakly_canonical(paths.out, error).lexically_relative(fs::weakly_canonical(root, error)).string();
  const std::string report = paths.report.empty() ? "" : paths.report.lexically_relative(root).string();
  const std::string svg = paths.svg.empty() ? "" : paths.svg.lexically_relative(root).string();
  // OUTDIR is made with the folders that lead to it.
  auto asked_for = [&](const std::string& path) {
    return Below(path, out_dir) || Below(path, real_out) || Below(out_dir, path) || path == report ||
           path == svg;
  };
  for (const auto& [path, what] : after) {
    if (asked_for(path)) continue;
    auto older = before.find(path);
    expect(older != before.end() && older->second == what, "outside OUTDIR, " + path + " was written");
  }
  for (const auto& [path, what] : before) {
    if (!asked_for(path)) expect(after.count(path) == 1, "outside OUTDIR, " + path + " was removed");
  }
  const bool compiled = exit_status == 0 || exit_status == 1;
  for (const auto& [path, what] : after) {
    const bool stale = fs::path(path).filename() == kStaleTemporary;
    expect(path.find(".tmp") == std::string::npos || (stale && !compiled), "left behind: " + path);
  }
  // An error code holds the binary files back, leaving OUTDIR's older ones
  // as they were, unless --write-on-error asks for them.
  const bool held_back = summary.error_code != 0 && !options->write_on_error;
  if (compiled) {
    for (const std::string& name : BinaryFileNames(names)) {
      if (name == names.route_file && options->no_route_file) continue;
      const std::string path = (paths.out / name).lexically_relative(root).string();
      if (held_back) {
        const auto older = before.find(path);
        const auto now = after.find(path);
        expect(older == before.end() ? now == after.end() : now != after.end() && now->second == older->second,
               "error code " + std::to_string(summary.error_code) + ", yet " + name + " was written");
      } else {
        expect(fs::is_regular_file(paths.out / name),
               "after exit status " + std::to_string(exit_status) + ", no " + name);
      }
    }
    if (!paths.report.empty()) {
      std::ifstream in(paths.report, std::ios::binary);
      expect(nlohmann::json::accept(in), "the report is not JSON");
    }
  }
  return outcome;
}

}  // namespace scenario::fuzzing
