// scenario-packager: writes the carried scenario's documents into the folder
// of the executable and compiles its binary files there. No arguments.
#include <csignal>
#include <filesystem>
#include <iostream>

#include "app/executable_folder.h"
#include "app/packager_run.h"

int main(int /*argc*/, char** argv) {
  // Past the file size limit a write fails with EFBIG and is reported as a
  // file failure, instead of the signal ending the run without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::filesystem::path folder =
      scenario::ExecutableFolder(scenario::CluesOfThisProcess(argv[0]));
  if (folder.empty()) {
    // Never the working directory in its place: the files belong beside
    // the executable.
    std::cerr << "scenario-packager: cannot find the folder of the executable (no /proc/self/exe, "
                 "and neither the path it was started by nor PATH leads to it)\n";
    return scenario::kExitFailure;
  }
  scenario::GeneratorState state;
  scenario::FreshFileWriter writer;
  try {
    return scenario::Form_Load(state, folder, scenario::DefaultPlatform(), writer);
  } catch (const std::exception& failure) {
    std::cerr << "scenario-packager: " << failure.what() << "\n";
    return scenario::kExitFailure;
  } catch (...) {
    // Caught so that the run unwinds: what it holds is released and the
    // description texts are removed.
    std::cerr << "scenario-packager: an unexpected failure ended the run\n";
    return scenario::kExitFailure;
  }
}
