// scenario-compile: compiles a line and a train description into the three
// binary files, with the packager's own compile step, and says in compiler
// style what is wrong and where.
#include <csignal>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <variant>
#include <vector>

#include "tools/compile/command_line.h"
#include "tools/compile/template.h"
#include "tools/diagnostics/watch.h"
#include "tools/common/text.h"
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
  // A reader of the messages that goes away (`2>&1 | head`) must not end
  // the run before the report and the picture are written: a failed write
  // to a closed pipe only stops the printing, and the exit status stays
  // the compile's.
  std::signal(SIGPIPE, SIG_IGN);
  // Past the file size limit a write fails with EFBIG and is reported as a
  // file failure, instead of the signal ending the run without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << "scenario-compile: out of memory: the run ended before it was done\n";
  } catch (const std::exception& failure) {
    std::cerr << "scenario-compile: an unexpected failure ended the run: "
              << scenario::DisplayText(failure.what()) << "\n";
  }
  return scenario::kExitFailure;
}
