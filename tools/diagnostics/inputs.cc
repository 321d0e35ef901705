#include "tools/diagnostics/inputs.h"

#include <utility>
#include <vector>

#include "app/description_file.h"
#include "app/file_names.h"
#include "tools/common/output_target.h"

namespace scenario {

Status CheckPlainName(const std::string& option, const std::string& value) {
  const bool plain = !value.empty() && value != "." && value.find('/') == std::string::npos &&
                     value.find("..") == std::string::npos &&
                     value.find('\0') == std::string::npos;
  if (plain) return Status::OK();
  return Status::Error(option + " \"" + value +
                       "\" is not a plain name: the files are named after it inside OUTDIR, so it "
                       "may not be empty or \".\", nor hold a '/', \"..\" or a NUL byte");
}

Status CheckOutputPaths(const CompileOptions& options) {
  using Named = std::pair<std::string, std::filesystem::path>;
  const std::vector<Named> inputs = {{"the line description", options.line_path},
                                     {"the train description", options.train_path}};
  std::vector<Named> outputs;
  if (!options.report_path.empty()) outputs.push_back({"--report", options.report_path});
  if (!options.svg_path.empty()) outputs.push_back({"--svg", options.svg_path});
  // Every binary file name, the route file's too with --no-route-file: the
  // report or the picture under it would sit in OUTDIR as part of a set.
  std::vector<Named> binaries;
  for (const std::string& name : BinaryFileNames(MakeFileNames(options.route, options.train))) {
    const std::filesystem::path path = std::filesystem::path(options.out_dir) / name;
    binaries.push_back({"the binary file " + path.string(), path});
  }
  auto clash = [](const Named& output, const Named& other) {
    return Status::Error(output.first + " " + output.second.string() + " is " + other.first +
                         ": no output is ever written over an input or another output, so "
                         "nothing was compiled or written");
  };
  for (const Named& output : outputs) {
    if (Status target = CheckOutputTarget(output.first, output.second); !target.ok()) return target;
    for (const Named& input : inputs) {
      if (SameFile(output.second, input.second)) return clash(output, input);
    }
    for (const Named& binary : binaries) {
      if (SameFile(output.second, binary.second)) return clash(output, binary);
    }
  }
  if (outputs.size() == 2 && SameFile(outputs[0].second, outputs[1].second)) {
    return clash(outputs[1], {"the file of --report", outputs[0].second});
  }
  for (const Named& binary : binaries) {
    for (const Named& input : inputs) {
      if (SameFile(binary.second, input.second)) return clash(binary, input);
    }
  }
  if (!options.svg_path.empty() && options.no_route_file) {
    return Status::Error("--svg draws the route file this run writes, and --no-route-file writes "
                         "none: nothing was compiled or written");
  }
  return Status::OK();
}

Status CheckCompileOptions(const CompileOptions& options) {
  if (Status route = CheckPlainName("--route", options.route); !route.ok()) return route;
  if (Status train = CheckPlainName("--train", options.train); !train.ok()) return train;
  return CheckOutputPaths(options);
}

StatusOr<DescriptionTexts> ReadDescriptionTexts(const CompileOptions& options) {
  DescriptionTexts texts;
  if (Status line = ReadDescriptionFile(options.line_path, &texts.line); !line.ok()) return line;
  if (Status train = ReadDescriptionFile(options.train_path, &texts.train); !train.ok()) return train;
  return texts;
}

}  // namespace scenario
