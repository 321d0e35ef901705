// scenario-packager: writes the carried scenario's documents into the folder
// of the executable and compiles its binary files there. No arguments.
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <iostream>

#include "app/packager_run.h"

namespace {

// The folder of the running binary, not the working directory.
std::filesystem::path ExecutableFolder(const char* argv0) {
  std::error_code error;
  auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = std::filesystem::absolute(argv0, error);
  return self.parent_path();
}

}  // namespace

int main(int /*argc*/, char** argv) {
  scenario::GeneratorState state;
  scenario::FreshFileWriter writer;
  try {
    return scenario::Form_Load(state, ExecutableFolder(argv[0]), scenario::DefaultPlatform(), writer);
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
