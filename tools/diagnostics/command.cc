#include "tools/diagnostics/command.h"

#include <algorithm>
#include <filesystem>

#include "app/compile_step.h"
#include "app/error_codes.h"
#include "app/file_names.h"
#include "records/folder_lock.h"
#include "records/temporary_file.h"
#include "tools/diagnostics/command_output.h"
#include "tools/diagnostics/diagnostic_errors.h"
#include "tools/diagnostics/diagnostic_recorder.h"
#include "tools/diagnostics/diagnostic_report.h"
#include "tools/diagnostics/input_conversion.h"
#include "tools/diagnostics/inputs.h"
#include "tools/diagnostics/output_gate.h"
#include "tools/diagnostics/terminal_text.h"
#include "tools/common/output_target.h"

namespace scenario {

namespace {

// The names this run writes in OUTDIR, whose stale temporary files it may
// remove: the binary files, and the report and the picture when they go
// there too.
std::vector<std::string> NamesInOutDir(const CompileOptions& options) {
  std::vector<std::string> names = BinaryFileNames(MakeFileNames(options.route, options.train));
  for (const std::string& path : {options.report_path, options.svg_path}) {
    std::error_code error;
    const std::filesystem::path file(path);
    if (!path.empty() && std::filesystem::equivalent(file.has_parent_path() ? file.parent_path() : ".",
                                                     options.out_dir, error)) {
      names.push_back(file.filename().string());
    }
  }
  return names;
}

// The writer of every file a compile writes. When OUTDIR could not be made,
// a file meant for it fails with the reason it could not (a permission
// refused), not with what creating a file in a missing folder says.
class OutDirWriter : public FileWriter {
 public:
  OutDirWriter(FileWriter& files, const std::string& out_dir, std::error_code made)
      : files_(files), out_dir_(out_dir), made_(made) {}

  Status Write(const std::filesystem::path& path, std::string_view bytes) override {
    if (Status unreachable = Reachable(path); !unreachable.ok()) return unreachable;
    return files_.Write(path, bytes);
  }
  Status Write(const std::filesystem::path& path, ByteSource& source) override {
    if (Status unreachable = Reachable(path); !unreachable.ok()) return unreachable;
    return files_.Write(path, source);
  }
  Status WriteSet(const std::vector<SetFile>& files) override {
    for (const SetFile& file : files) {
      if (Status unreachable = Reachable(file.path); !unreachable.ok()) return unreachable;
    }
    return files_.WriteSet(files);
  }

 private:
  Status Reachable(const std::filesystem::path& path) const {
    if (!made_ || !SameFile(path.has_parent_path() ? path.parent_path() : ".", out_dir_)) return Status::OK();
    return Status::Error("cannot write " + path.string() + ": cannot create the folder " + out_dir_ +
                         ": " + made_.message());
  }

  FileWriter& files_;
  const std::string& out_dir_;
  const std::error_code made_;
};

// Removes the stale temporary files of the report or the picture, in
// whichever folder they go (those in OUTDIR go with the binary files').
void RemoveStaleTemporariesOf(const std::string& path) {
  if (path.empty()) return;
  const std::filesystem::path file(path);
  RemoveStaleTemporaries(file.has_parent_path() ? file.parent_path() : ".", {file.filename().string()});
}

ExitStatus StatusOfCompile(const CompileResult& result, const GeneratorState& state,
                           const CompileSummary& summary, const WarningOptions& warnings) {
  if (!result.status.ok()) return kExitFailure;
  if (state.error_code != kNoError) return kExitErrorRecorded;
  if (warnings.as_errors && summary.warnings > 0) return kExitErrorRecorded;
  return kExitSuccess;
}

}  // namespace

CompileSummary RunCompile(const CompileOptions& options, std::ostream& err) {
  const Status usable = CheckCompileOptions(options);
  const StatusOr<DescriptionTexts> texts =
      usable.ok() ? ReadDescriptionTexts(options) : StatusOr<DescriptionTexts>(usable);
  if (!texts.ok()) {
    err << "scenario-compile: " << EscapeForTerminal(texts.status().message()) << "\n";
    CompileSummary refused;
    refused.exit_status = kExitFailure;
    return refused;
  }
  return CompileTexts(options, *texts, err);
}

CompileSummary CompileTexts(const CompileOptions& options, const DescriptionTexts& texts,
                            std::ostream& err) {
  CompileSummary summary;
  // The compile reads texts in the code page; positions then count one
  // column for each character the author typed.
  DescriptionTexts in_code_page;
  const bool utf8 = options.input_encoding == InputEncoding::kUtf8;
  if (utf8) {
    const CodePageText line = Utf8ToCodePage(texts.line);
    const CodePageText train = Utf8ToCodePage(texts.train);
    if (!line.faults.empty() || !train.faults.empty()) return UnconvertedSummary(options, line, train, err);
    in_code_page = {line.bytes, train.bytes};
  }
  const std::string& line_text = utf8 ? in_code_page.line : texts.line;
  const std::string& train_text = utf8 ? in_code_page.train : texts.train;
  TextViewSource source(line_text, train_text);
  std::error_code dir_error;
  std::filesystem::create_directories(options.out_dir, dir_error);
  std::error_code looked;
  if (!dir_error && !std::filesystem::is_directory(options.out_dir, looked)) {
    dir_error = looked ? looked : std::make_error_code(std::errc::not_a_directory);
  }
  // The binary files in OUTDIR always come from one run: a second run
  // waits here (until the end of this function) before it writes any.
  FolderLock lock(
      options.out_dir,
      [&] {
        err << "scenario-compile: another run is writing into " << EscapeForTerminal(options.out_dir)
            << ", waiting for it to end\n";
        err.flush();
      },
      options.stop_requested);
  if (lock.given_up()) {
    summary.stopped = true;
    summary.exit_status = kExitFailure;
    return summary;
  }
  if (!lock.held()) {
    // A folder that could not be made cannot be locked either; its own
    // reason is the one worth saying.
    const std::string why = dir_error ? "cannot create the folder " + options.out_dir + ": " + dir_error.message()
                                      : lock.Failure();
    err << "scenario-compile: " << EscapeForTerminal(why) << "\n";
    summary.exit_status = kExitFailure;
    return summary;
  }
  RemoveStaleTemporaries(options.out_dir, NamesInOutDir(options));
  RemoveStaleTemporariesOf(options.report_path);
  RemoveStaleTemporariesOf(options.svg_path);

  // The recorder keeps the fields it is told of as views into the texts.
  const SourceLines line_lines(line_text);
  const SourceLines train_lines(train_text);
  GeneratorState state;
  state.route_name = options.route;
  state.train_number = options.train;
  DiagnosticRecorder recorder(state, &line_lines, &train_lines);
  state.observer = &recorder;
  FreshFileWriter fresh_files(options.faults);
  OutDirWriter writer(fresh_files, options.out_dir, dir_error);
  OutputGate gate(state, options.write_on_error, writer);
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

  const DiagnosticContext context{state,          recorder,    options.line_path,
                                  options.train_path, &line_lines, &train_lines};
  summary.diagnostics = ErrorDiagnostics(context, summary.fatal);
  summary.errors = static_cast<int>(summary.diagnostics.size());
  summary.reader_stops = ReaderStops(summary.diagnostics);
  // Converted texts hold code-page bytes that only look like UTF-8.
  WarningOptions warning_options = options.warnings;
  if (utf8) warning_options.disabled.insert("utf8-text");
  WarningList found = WarningDiagnostics(context, warning_options);
  summary.warnings = static_cast<int>(found.found());
  summary.omitted = found.omitted();
  std::vector<Diagnostic> warnings = found.Take();
  summary.diagnostics.insert(summary.diagnostics.end(), warnings.begin(), warnings.end());
  SortDiagnostics(&summary.diagnostics);
  summary.records_read = RecordsRead(context);
  summary.exit_status = StatusOfCompile(result, state, summary, warning_options);

  PrintDiagnostics(summary, line_lines, train_lines, err);
  if (!result.status.ok() && result.fatal_number == 0) {
    err << "scenario-compile: " << EscapeForTerminal(result.status.message()) << "\n";
  }
  PrintClosingLines(options, summary, err);

  // The report and the picture are written as the binary files are; one
  // that cannot be written is a file failure.
  // Each is written whatever became of the other.
  std::vector<Status> extras;
  if (!options.report_path.empty()) extras.push_back(writer.Write(options.report_path, CompileReportJson(summary)));
  if (!options.svg_path.empty()) extras.push_back(DrawPicture(options, summary, writer));
  for (const Status& extra : extras) {
    if (extra.ok()) continue;
    err << "scenario-compile: " << EscapeForTerminal(extra.message()) << "\n";
    summary.exit_status = kExitFailure;
  }
  if (options.on_compiled) options.on_compiled({state, recorder, line_text, train_text});
  return summary;
}

}  // namespace scenario
