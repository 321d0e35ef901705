// scenario-inspect: a look inside the compiled files of a scenario.
//
//   scenario-inspect [--json] FILE...      dump route, scenario or grid files
//   scenario-inspect [--json] FOLDER       dump the scenario in FOLDER
//   scenario-inspect --svg OUT.svg FOLDER  draw the scenario in FOLDER
//   scenario-inspect --serve [HOST:]PORT FOLDER  serve a live page of it
//   scenario-inspect --descriptions OUTDIR [--route NAME --train NUMBER] FOLDER|FILES...
//                                          open it as description texts
//
// Exit status 0 (kExitSuccess) when everything was read, 2 (kExitFailure) on
// bad input.
#include <CLI/CLI.hpp>
#include <iostream>

#include "tools/inspect/command.h"
#include "tools/common/decompile_command.h"
#include "tools/common/command_main.h"
#include "tools/viewer/serve_folder.h"

namespace {

scenario::ExitStatus Run(int argc, char** argv) {
  scenario::InspectOptions options;
  CLI::App app{
      "Shows what a compiled scenario holds: a readable dump of its route file (<route>_linea.dat), "
      "scenario file (<route>_<train>.sim) and grid file (<route>_<train>.dat), or a picture of the "
      "whole scenario."};
  app.add_option("paths", options.paths,
                 "files to dump (told apart by name and size) or folders, each holding one compiled "
                 "scenario to dump; with --svg the folder of the scenario to draw")
      ->required();
  app.add_flag("--json", options.json,
               "print the dump as JSON: one object for one file, an array for several");
  app.add_option("--svg", options.svg_output,
                 "draw the plan and profile of the scenario in FOLDER into this SVG file");
  std::string serve;
  app.add_option("--serve", serve,
                 "[HOST:]PORT: serve a live page of the scenario in FOLDER, read again whenever it "
                 "changes (on 127.0.0.1 unless a host is given; port 0 takes a free one)");
  scenario::DecompileOptions decompile;
  app.add_option("--descriptions", decompile.out_dir,
                 "OUTDIR: write line.txt and train.txt there, descriptions that compile back to "
                 "the same files byte for byte (exit 1 when they cannot)");
  app.add_option("--route", decompile.route, "with --descriptions and a folder: the route's files");
  app.add_option("--train", decompile.train, "with --descriptions and a folder: the train's files");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // CLI11 prints the help or the complaint; only its verdict is kept.
    return app.exit(e) == 0 ? scenario::kExitSuccess : scenario::kExitFailure;
  }
  if (!decompile.out_dir.empty()) {
    decompile.paths = options.paths;
    return scenario::RunDecompile(decompile, std::cout, std::cerr);
  }
  if (!serve.empty()) {
    const auto address = scenario::viewer::ParseServeAddress(serve);
    if (!address.ok()) {
      std::cerr << "scenario-inspect: error: --serve: " << address.status().message() << '\n';
      return scenario::kExitFailure;
    }
    if (options.paths.size() != 1 || options.json || !options.svg_output.empty()) {
      std::cerr << "scenario-inspect: error: --serve shows one folder, alone\n";
      return scenario::kExitFailure;
    }
    return scenario::viewer::ServeFolder(options.paths[0], *address, std::cerr);
  }
  return scenario::RunInspect(options, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  return scenario::RunCommandMain("scenario-inspect: error: ", Run, argc, argv);
}
