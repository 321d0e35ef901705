// scenario-compile: compiles a line and a train description into the three
// binary files, with the packager's own compile step, and says in compiler
// style what is wrong and where.
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "tools/compile/command_line.h"
#include "tools/compile/template.h"
#include "tools/diagnostics/watch.h"
#include "tools/common/command_main.h"
#include "tools/viewer/serve_compile.h"

namespace {

scenario::ExitStatus Run(int argc, char** argv) {
  const scenario::CompileCommandLine command_line = scenario::ParseCompileCommandLine(
      argv[0], std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
  if (const auto* ended = std::get_if<scenario::ExitStatus>(&command_line)) return *ended;
  const scenario::CompileOptions& options = std::get<scenario::CompileOptions>(command_line);
  if (!options.template_dir.empty()) {
    scenario::FreshFileWriter writer;
    return scenario::WriteTemplate(options.template_dir, writer, std::cout, std::cerr);
  }
  if (!options.serve.empty()) {
    const auto address = scenario::viewer::ParseServeAddress(options.serve);
    if (!address.ok()) {
      std::cerr << "scenario-compile: --serve: " << address.status().message() << "\n";
      return scenario::kExitFailure;
    }
    return scenario::viewer::ServeAndCompile(options, *address, std::cerr);
  }
  if (options.watch) return scenario::WatchAndCompile(options, std::cerr);
  return scenario::RunCompile(options, std::cerr).exit_status;
}

}  // namespace

int main(int argc, char** argv) {
  return scenario::RunCommandMain("scenario-compile: ", Run, argc, argv);
}
