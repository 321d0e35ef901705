// How the command-line fuzzer reads its input, and the scratch folder it
// lays out for one run of scenario-compile.
//
// Input: five bytes choosing what the two descriptions, OUTDIR, the report
// and the picture are (a regular file, a directory, a FIFO, a device, a
// link, a missing path, a file far above the size limit, ...), then the
// extra arguments, one a line, up to a NUL byte, then the line description,
// a NUL byte and the train description. The extra arguments are taken as
// they come (options, values, route names and train numbers of any bytes).
// Every path the command gets is one of the scratch folder's: the fuzzer
// never names a file of the machine.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/description_file.h"

namespace scenario::fuzzing {

namespace fs = std::filesystem;

enum class InputKind { kFile, kFolder, kFifo, kMissing, kLinkToFile, kDevice, kHuge, kLinkToFolder, kEmpty };
inline constexpr int kInputKinds = 9;
enum class OutKind { kFresh, kOlderFiles, kAFile, kNested, kLink };
inline constexpr int kOutKinds = 5;
// The report or the picture; the last four name a file the run must never
// write over: a description, a binary file of OUTDIR (under the default
// names), and one path given to both the report and the picture.
enum class ExtraKind { kNone, kInOut, kBeside, kMissingFolder, kAFolder, kTheLine, kTheTrain, kABinaryFile, kShared };
inline constexpr int kExtraKinds = 9;

struct CommandLineCase {
  InputKind line_kind = InputKind::kFile;
  InputKind train_kind = InputKind::kFile;
  OutKind out_kind = OutKind::kFresh;
  ExtraKind report_kind = ExtraKind::kNone;
  ExtraKind svg_kind = ExtraKind::kNone;
  std::vector<std::string> extra_arguments;
  std::string line_text;
  std::string train_text;
};

inline CommandLineCase DecodeCommandLine(std::string_view data) {
  CommandLineCase c;
  auto choice = [&](int kinds) {
    if (data.empty()) return 0;
    const int chosen = static_cast<unsigned char>(data[0]) % kinds;
    data.remove_prefix(1);
    return chosen;
  };
  c.line_kind = static_cast<InputKind>(choice(kInputKinds));
  c.train_kind = static_cast<InputKind>(choice(kInputKinds));
  c.out_kind = static_cast<OutKind>(choice(kOutKinds));
  c.report_kind = static_cast<ExtraKind>(choice(kExtraKinds));
  c.svg_kind = static_cast<ExtraKind>(choice(kExtraKinds));
  const size_t arguments_end = std::min(data.find('\0'), data.size());
  std::string_view arguments = data.substr(0, arguments_end);
  while (!arguments.empty()) {
    const size_t end = std::min(arguments.find('\n'), arguments.size());
    c.extra_arguments.emplace_back(arguments.substr(0, end));
    arguments.remove_prefix(std::min(end + 1, arguments.size()));
  }
  data.remove_prefix(std::min(arguments_end + 1, data.size()));
  const size_t separator = std::min(data.find('\0'), data.size());
  c.line_text = std::string(data.substr(0, separator));
  data.remove_prefix(std::min(separator + 1, data.size()));
  c.train_text = std::string(data);
  return c;
}

// The paths of one run, all inside the scratch folder.
struct CommandLinePaths {
  fs::path root;
  fs::path line, train, out, report, svg;  // report and svg empty when not asked for
};

inline void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline fs::path MakeInput(const fs::path& root, const std::string& name, InputKind kind,
                          const std::string& text) {
  const fs::path path = root / name;
  switch (kind) {
    case InputKind::kFile: WriteText(path, text); break;
    case InputKind::kFolder: fs::create_directory(path); break;
    case InputKind::kFifo: mkfifo(path.c_str(), 0644); break;
    case InputKind::kMissing: break;
    case InputKind::kLinkToFile:
      WriteText(root / (name + ".target"), text);
      fs::create_symlink(name + ".target", path);
      break;
    case InputKind::kDevice: return "/dev/null";
    case InputKind::kHuge:
      WriteText(path, text);
      fs::resize_file(path, kDescriptionLimit + 1);
      break;
    case InputKind::kLinkToFolder:
      fs::create_directory(root / (name + ".folder"));
      fs::create_directory_symlink(name + ".folder", path);
      break;
    case InputKind::kEmpty: WriteText(path, ""); break;
  }
  return path;
}

// A stale temporary file a killed run left in OUTDIR.
inline constexpr char kStaleTemporary[] = ".Corvena_Lidra1_linea.dat.tmp.Stale1";

inline fs::path MakeOut(const fs::path& root, OutKind kind) {
  switch (kind) {
    case OutKind::kFresh: return root / "out";
    case OutKind::kOlderFiles:
      fs::create_directory(root / "out");
      WriteText(root / "out" / "Corvena_Lidra1_7304.sim", "older");
      WriteText(root / "out" / kStaleTemporary, "left by a killed run");
      return root / "out";
    case OutKind::kAFile: WriteText(root / "out", "a file where OUTDIR should be"); return root / "out";
    case OutKind::kNested: return root / "deeper" / "still" / "out";
    case OutKind::kLink:
      fs::create_directory(root / "real-out");
      fs::create_directory_symlink("real-out", root / "out");
      return root / "out";
  }
  return root / "out";
}

inline fs::path MakeExtra(const fs::path& root, const fs::path& out, ExtraKind kind, const std::string& name,
                          const CommandLinePaths& inputs) {
  // A device stands for the machine's own /dev/null: never named as an output.
  auto input = [&](const fs::path& path) { return path.string().rfind("/dev/", 0) == 0 ? root / name : path; };
  switch (kind) {
    case ExtraKind::kTheLine: return input(inputs.line);
    case ExtraKind::kTheTrain: return input(inputs.train);
    case ExtraKind::kABinaryFile: return out / "Corvena_Lidra1_7304.dat";
    case ExtraKind::kShared: return root / "shared.out";
    case ExtraKind::kNone: return {};
    case ExtraKind::kInOut: return out / name;
    case ExtraKind::kBeside: return root / name;
    case ExtraKind::kMissingFolder: return root / "missing" / name;
    case ExtraKind::kAFolder:
      fs::create_directories(root / name);
      return root / name;
  }
  return {};
}

// Lays out the scratch folder `root` (emptied first) for the case.
inline CommandLinePaths LayOut(const fs::path& root, const CommandLineCase& c) {
  std::error_code ignored;
  fs::remove_all(root, ignored);
  fs::create_directories(root);
  CommandLinePaths paths;
  paths.root = root;
  paths.line = MakeInput(root, "line.txt", c.line_kind, c.line_text);
  paths.train = MakeInput(root, "train.txt", c.train_kind, c.train_text);
  paths.out = MakeOut(root, c.out_kind);
  paths.report = MakeExtra(root, paths.out, c.report_kind, "report.json", paths);
  paths.svg = MakeExtra(root, paths.out, c.svg_kind, "picture.svg", paths);
  return paths;
}

// The whole command line: the extra arguments, then the report and picture
// options, then the three paths.
inline std::vector<std::string> Arguments(const CommandLineCase& c, const CommandLinePaths& paths) {
  std::vector<std::string> arguments = c.extra_arguments;
  if (!paths.report.empty()) arguments.insert(arguments.end(), {"--report", paths.report.string()});
  if (!paths.svg.empty()) arguments.insert(arguments.end(), {"--svg", paths.svg.string()});
  arguments.insert(arguments.end(), {paths.line.string(), paths.train.string(), paths.out.string()});
  return arguments;
}

}  // namespace scenario::fuzzing
