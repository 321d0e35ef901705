// scenario-packager: writes the carried scenario's documents into the folder
// of the executable and compiles its binary files there. No arguments. A
// packager built by scenario-pack does the same with the scenario attached
// to its executable.
#include <csignal>
#include <filesystem>
#include <iostream>

#include "app/executable_folder.h"
#include "app/packaged_scenario.h"
#include "app/packager_run.h"

int main(int /*argc*/, char** argv) {
  // Past the file size limit a write fails with EFBIG and is reported as a
  // file failure, instead of the signal ending the run without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  const scenario::ExecutableClues clues = scenario::CluesOfThisProcess(argv[0]);
  const std::filesystem::path executable = scenario::ExecutablePath(clues);
  const std::filesystem::path folder = executable.parent_path();
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
    // The running image itself where /proc shows it, whatever became of
    // its name since.
    const std::filesystem::path image = clues.proc_exe.empty() ? executable : "/proc/self/exe";
    scenario::PackagedScenario packaged;
    if (scenario::Status found = scenario::ScenarioOfExecutable(image, &packaged, executable); !found.ok()) {
      std::cerr << "scenario-packager: " << found.message() << "\n";
      return scenario::kExitFailure;
    }
    return scenario::Form_Load(state, folder, packaged, scenario::DefaultPlatform(), writer);
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
