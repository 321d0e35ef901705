#include "tools/compile/command.h"

#include <algorithm>
#include <filesystem>

#include "app/compile_step.h"
#include "app/error_codes.h"
#include "app/folder_source.h"
#include "app/packager_run.h"
#include "tools/compile/command_output.h"
#include "tools/compile/diagnostic_errors.h"
#include "tools/compile/diagnostic_recorder.h"
#include "tools/compile/diagnostic_report.h"
#include "tools/compile/output_gate.h"

namespace scenario {

namespace {

int ExitStatus(const CompileResult& result, const GeneratorState& state,
               const CompileSummary& summary, const WarningOptions& warnings) {
  if (!result.status.ok()) return kExitFailure;
  if (state.error_code != kNoError) return kExitErrorCode;
  if (warnings.as_errors && summary.warnings > 0) return kExitErrorCode;
  return kExitClean;
}

}  // namespace

CompileSummary RunCompile(const CompileOptions& options, std::ostream& err) {
  CompileSummary summary;
  // A text that cannot be read is one the source does not have: the readers
  // report it as they would in the packager's folder.
  std::string line_text;
  std::string train_text;
  const bool line_read = FolderSource::ReadWhole(options.line_path, &line_text).ok();
  const bool train_read = FolderSource::ReadWhole(options.train_path, &train_text).ok();
  MemorySource source(line_read ? std::optional(line_text) : std::nullopt,
                      train_read ? std::optional(train_text) : std::nullopt);
  std::error_code dir_error;
  std::filesystem::create_directories(options.out_dir, dir_error);

  GeneratorState state;
  state.route_name = options.route;
  state.train_number = options.train;
  DiagnosticRecorder recorder(state);
  state.observer = &recorder;
  FreshFileWriter files;
  OutputGate gate(state, options.write_on_error, files);
  const CompileResult result =
      memorizza_percorso(state, options.no_route_file ? 0 : 1, source, options.out_dir, gate);
  state.observer = SilentObserver();
  summary.error_code = state.error_code;
  summary.error_position = state.error_position;
  for (const std::string& name : result.written) {
    const std::vector<std::string>& held = gate.held_back();
    const bool written = std::find(held.begin(), held.end(), name) == held.end();
    (written ? summary.files : summary.held_back).push_back(name);
  }
  std::sort(summary.files.begin(), summary.files.end());
  std::sort(summary.held_back.begin(), summary.held_back.end());
  if (result.fatal_number != 0) summary.fatal = result.fatal_number;

  const SourceLines line_lines(line_text);
  const SourceLines train_lines(train_text);
  const DiagnosticContext context{state,          recorder,    options.line_path,
                                  options.train_path, &line_lines, &train_lines};
  summary.diagnostics = ErrorDiagnostics(context, summary.fatal);
  summary.errors = static_cast<int>(summary.diagnostics.size());
  summary.reader_stops = ReaderStops(summary.diagnostics);
  std::vector<Diagnostic> warnings = WarningDiagnostics(context, options.warnings);
  summary.warnings = static_cast<int>(warnings.size());
  summary.diagnostics.insert(summary.diagnostics.end(), warnings.begin(), warnings.end());
  SortDiagnostics(&summary.diagnostics);
  summary.records_read = RecordsRead(context);
  summary.exit_status = ExitStatus(result, state, summary, options.warnings);

  for (const Diagnostic& diagnostic : summary.diagnostics) {
    const bool in_train = diagnostic.description == Description::kTrain;
    err << FormatDiagnostic(diagnostic, in_train ? train_lines : line_lines);
  }
  if (!result.status.ok() && result.fatal_number == 0) {
    err << "scenario-compile: " << result.status.message() << "\n";
  }
  PrintClosingLines(options, summary, err);

  if (!options.report_path.empty()) WriteCompileReport(options.report_path, summary, err);
  if (!options.svg_path.empty()) DrawPicture(options, summary, err);
  if (options.on_compiled) options.on_compiled({state, recorder, line_text, train_text});
  return summary;
}

}  // namespace scenario
