// scenario-pack: builds a packager that carries an author's scenario.
//
//   scenario-pack LINE.txt TRAIN.txt -o PACKAGER [--route NAME] [--train NUMBER]
//                 [--notes FILE] [--timetable FILE] [--slowdowns FILE]
//
// The plain packager it copies is the scenario-packager beside it.
#include <iostream>
#include <variant>

#include "app/executable_folder.h"
#include "tools/common/command_main.h"
#include "tools/pack/pack.h"

namespace {

scenario::ExitStatus Run(int argc, char** argv) {
  scenario::PackCommandLine command_line = scenario::ParsePackCommandLine(
      argv[0], std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
  if (const auto* ended = std::get_if<scenario::ExitStatus>(&command_line)) return *ended;
  scenario::PackOptions* options = &std::get<scenario::PackOptions>(command_line);
  const std::filesystem::path self = scenario::ExecutablePath(scenario::CluesOfThisProcess(argv[0]));
  if (self.empty()) {
    std::cerr << "scenario-pack: cannot find the folder of scenario-pack, where scenario-packager "
                 "should be\n";
    return scenario::kExitFailure;
  }
  options->plain_packager = self.parent_path() / "scenario-packager";
  return scenario::RunPack(*options, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  return scenario::RunCommandMain("scenario-pack: ", Run, argc, argv);
}
