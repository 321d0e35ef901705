// scenario-compile: compiles a line and a train description into the three
// binary files, with the packager's own compile step.
#include <iostream>

#include <CLI/CLI.hpp>

#include "tools/lib/compile_command.h"

int main(int argc, char** argv) {
  scenario::CompileOptions options;
  CLI::App app{"Compile a line and a train description into the scenario's binary files"};
  app.add_option("--route", options.route, "Route name")->capture_default_str();
  app.add_option("--train", options.train, "Train number")->capture_default_str();
  app.add_flag("--no-route-file", options.no_route_file, "Do not build or write the route file");
  app.add_option("--report", options.report_path, "Write a JSON report to this file");
  app.add_option("LINE.txt", options.line_path, "Line description")->required();
  app.add_option("TRAIN.txt", options.train_path, "Train description")->required();
  app.add_option("OUTDIR", options.out_dir, "Folder that receives the binary files")->required();
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }
  return scenario::RunCompile(options, std::cerr).exit_status;
}
