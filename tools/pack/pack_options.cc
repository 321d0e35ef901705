#include "tools/pack/pack_options.h"

#include <CLI/CLI.hpp>

#include "tools/diagnostics/warnings_help.h"

namespace scenario {

PackCommandLine ParsePackCommandLine(const std::string& program, const std::vector<std::string>& arguments_given,
                                     std::ostream& out, std::ostream& err) {
  PackOptions options;
  // The warning switches do not fit the option parser's rules; they are
  // taken out first, as scenario-compile does.
  std::vector<std::string> arguments = arguments_given;
  const std::string problem = TakeWarningSwitches(&arguments, &options.compile.warnings);
  if (!problem.empty()) {
    err << "scenario-pack: " << problem << "\n" << WarningsHelp();
    return kExitFailure;
  }
  std::vector<const char*> rest{program.c_str()};
  for (const std::string& argument : arguments) rest.push_back(argument.c_str());

  CLI::App app{"Build a packager that carries your scenario: one static program that writes the "
               "driver's documents and compiles the binary files in its own folder"};
  app.footer(WarningsHelp());
  app.add_option("LINE.txt", options.compile.line_path, "Line description")->required();
  app.add_option("TRAIN.txt", options.compile.train_path, "Train description")->required();
  app.add_option("-o", options.output, "The packager to write")->required();
  app.add_option("--route", options.compile.route, "Route name")->capture_default_str();
  app.add_option("--train", options.compile.train, "Train number")->capture_default_str();
  app.add_option("--notes", options.notes_path,
                 "Notes for the driver (written as given); without it a short page is made");
  app.add_option("--timetable", options.timetable_path,
                 "Timetable sheet (written as given); without it one is made from the stops and "
                 "speed limits");
  app.add_option("--slowdowns", options.slowdowns_path,
                 "Slowdowns notice (written as given); without it one is made from the slowdowns");
  std::string encoding = "cp1252";
  app.add_option("--input-encoding", encoding,
                 "cp1252 (the default) or utf-8: descriptions saved in UTF-8 are converted to the "
                 "code page before they are read and attached")
      ->check([](const std::string& name) {
        return InputEncodingNamed(name) ? std::string() : "not cp1252 or utf-8: " + name;
      });
  bool as_errors = false;
  app.add_flag("--warnings-as-errors", as_errors,
               "Warnings count as errors: no packager is written (also -Werror)");
  try {
    app.parse(static_cast<int>(rest.size()), rest.data());
  } catch (const CLI::ParseError& e) {
    // CLI11 prints the help or the complaint; only its verdict is kept.
    return app.exit(e, out, err) == 0 ? kExitSuccess : kExitFailure;
  }
  options.compile.input_encoding = *InputEncodingNamed(encoding);
  return options;
}

}  // namespace scenario
