#include "tools/compile/command_line.h"

#include <CLI/CLI.hpp>

#include "tools/diagnostics/warnings_help.h"

namespace scenario {

CompileCommandLine ParseCompileCommandLine(const std::string& program,
                                           const std::vector<std::string>& arguments_given,
                                           std::ostream& out, std::ostream& err) {
  scenario::CompileOptions options;
  // The warning switches do not fit the option parser's rules; they are
  // taken out first.
  std::vector<std::string> arguments = arguments_given;
  const std::string problem = scenario::TakeWarningSwitches(&arguments, &options.warnings);
  if (!problem.empty()) {
    err << "scenario-compile: " << problem << "\n" << WarningsHelp();
    return kExitFailure;
  }
  std::vector<const char*> rest{program.c_str()};
  for (const std::string& argument : arguments) rest.push_back(argument.c_str());

  CLI::App app{"Compile a line and a train description into the scenario's binary files"};
  app.footer(WarningsHelp());
  app.add_option("--route", options.route, "Route name")->capture_default_str();
  app.add_option("--train", options.train, "Train number")->capture_default_str();
  app.add_flag("--no-route-file", options.no_route_file, "Do not build or write the route file");
  app.add_option("--report", options.report_path, "Write a JSON report to this file");
  app.add_option("--svg", options.svg_path, "Draw the compiled scenario into this SVG file");
  app.add_flag("--write-on-error", options.write_on_error,
               "Write the binary files even when an error code was recorded, as the packager "
               "does (without it OUTDIR is left as it was)");
  app.add_flag("--watch", options.watch,
               "Compile again whenever a description changes, until Ctrl-C");
  app.add_option("--serve", options.serve,
                 "[HOST:]PORT: compile as --watch does and serve a live page of the scenario "
                 "(on 127.0.0.1 unless a host is given; port 0 takes a free one)");
  std::string encoding = "cp1252";
  app.add_option("--input-encoding", encoding,
                 "cp1252 (the default: the simulator's code page, Windows-1252) or utf-8: "
                 "descriptions saved in UTF-8 are converted to the code page before they are "
                 "read")
      ->check([](const std::string& name) {
        return InputEncodingNamed(name) ? std::string() : "not cp1252 or utf-8: " + name;
      });
  bool as_errors = false;
  app.add_flag("--warnings-as-errors", as_errors,
               "Warnings count as errors for the exit status (also -Werror)");
  app.add_option("--template", options.template_dir,
                 "Write line.txt and train.txt, blank descriptions with every record explained, "
                 "into this folder (never over existing files) and compile nothing");
  app.add_option("LINE.txt", options.line_path, "Line description");
  app.add_option("TRAIN.txt", options.train_path, "Train description");
  app.add_option("OUTDIR", options.out_dir, "Folder that receives the binary files");
  try {
    app.parse(static_cast<int>(rest.size()), rest.data());
  } catch (const CLI::ParseError& e) {
    // CLI11 prints the help or the complaint; only its verdict is kept.
    return app.exit(e, out, err) == 0 ? kExitSuccess : kExitFailure;
  }
  // The three paths are needed unless the run only writes the template.
  if (options.template_dir.empty() &&
      (options.line_path.empty() || options.train_path.empty() || options.out_dir.empty())) {
    err << "LINE.txt, TRAIN.txt and OUTDIR are required\nRun with --help for more information.\n";
    return kExitFailure;
  }
  options.input_encoding = *InputEncodingNamed(encoding);
  return options;
}

}  // namespace scenario
