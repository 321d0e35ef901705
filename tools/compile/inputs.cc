#include "tools/compile/inputs.h"

#include "app/description_file.h"

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

Status CheckCompileOptions(const CompileOptions& options) {
  if (Status route = CheckPlainName("--route", options.route); !route.ok()) return route;
  return CheckPlainName("--train", options.train);
}

Status ReadDescriptionTexts(const CompileOptions& options, DescriptionTexts* texts) {
  if (Status line = ReadDescriptionFile(options.line_path, &texts->line); !line.ok()) return line;
  return ReadDescriptionFile(options.train_path, &texts->train);
}

}  // namespace scenario
