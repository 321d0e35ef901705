// scenario-compile: compiles a line and a train description into the three
// binary files, with the packager's own compile step, and says in compiler
// style what is wrong and where.
#include <csignal>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "tools/compile/command_line.h"
#include "tools/compile/template.h"
#include "tools/diagnostics/watch.h"
#include "tools/common/text.h"
#include "tools/viewer/serve_compile.h"

namespace {

int Run(int argc, char** argv) {
  int exit_status = 0;
  const std::optional<scenario::CompileOptions> options = scenario::ParseCompileCommandLine(
      argv[0], std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, &exit_status);
  if (!options) return exit_status;
  if (!options->template_dir.empty()) {
    scenario::FreshFileWriter writer;
    return scenario::WriteTemplate(options->template_dir, writer, std::cout, std::cerr);
  }
  if (!options->serve.empty()) {
    scenario::viewer::ServeAddress address;
    if (scenario::Status parsed = scenario::viewer::ParseServeAddress(options->serve, &address); !parsed.ok()) {
      std::cerr << "scenario-compile: --serve: " << parsed.message() << "\n";
      return 2;
    }
    return scenario::viewer::ServeAndCompile(*options, address, std::cerr);
  }
  if (options->watch) return scenario::WatchAndCompile(*options, std::cerr);
  return scenario::RunCompile(*options, std::cerr).exit_status;
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
  return 2;
}
