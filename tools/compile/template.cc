#include "tools/compile/template.h"

#include <filesystem>

#include "tools/compile/template_texts.h"
#include "tools/diagnostics/terminal_text.h"

namespace scenario {

ExitStatus WriteTemplate(const std::string& folder, FileWriter& writer, std::ostream& out,
                         std::ostream& err) {
  const std::filesystem::path dir(folder);
  const std::filesystem::path line = dir / "line.txt";
  const std::filesystem::path train = dir / "train.txt";
  for (const std::filesystem::path& path : {line, train}) {
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found) {
      err << "scenario-compile: --template: " << EscapeForTerminal(path.string())
          << " is there already; nothing written (remove it or choose another folder)\n";
      return kExitFailure;
    }
  }
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) {
    err << "scenario-compile: --template: cannot make the folder " << EscapeForTerminal(folder)
        << ": " << error.message() << "\n";
    return kExitFailure;
  }
  Status written = writer.Write(line, TemplateLineText());
  if (written.ok()) written = writer.Write(train, TemplateTrainText());
  if (!written.ok()) {
    err << "scenario-compile: --template: " << EscapeForTerminal(written.message()) << "\n";
    return kExitFailure;
  }
  out << "scenario-compile: wrote " << EscapeForTerminal(line.string()) << " and "
      << EscapeForTerminal(train.string()) << "; compile them with\n  scenario-compile "
      << EscapeForTerminal(line.string()) << " " << EscapeForTerminal(train.string()) << " OUTDIR\n";
  return kExitSuccess;
}

}  // namespace scenario
