// The core of scenario-compile: compiles two given description texts into a
// folder with the packager's own compile step, and reports what happened as
// diagnostics on the error stream, a closing summary and, when asked, a JSON
// report and an SVG picture of the result.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/exit_status.h"
#include "records/fresh_file.h"
#include "tools/diagnostics/diagnostic.h"
#include "tools/diagnostics/input_encoding.h"
#include "tools/diagnostics/reading_summary.h"
#include "tools/diagnostics/warnings.h"

namespace scenario {

struct GeneratorState;
class DiagnosticRecorder;

// What one compile read and recorded, handed to a listener before it is
// gone: the live viewer takes the source line of every object from it.
struct CompiledRun {
  const GeneratorState& state;
  const DiagnosticRecorder& recorder;
  std::string_view line_text;
  std::string_view train_text;
};

struct CompileOptions {
  std::string route = "Corvena_Lidra1";
  std::string train = "7304";
  bool no_route_file = false;
  std::string report_path;  // empty: no report
  std::string svg_path;     // empty: no picture
  bool watch = false;
  // Writes the binary files even when the compile recorded an error code, as
  // the packager does; without it OUTDIR is then left as it was.
  bool write_on_error = false;
  WarningOptions warnings;
  // The encoding the descriptions are saved in; UTF-8 is converted to the
  // code page before they are read.
  InputEncoding input_encoding = InputEncoding::kCodePage;
  std::string line_path;
  std::string train_path;
  std::string out_dir;
  std::string serve;  // --serve [HOST:]PORT; empty: no live page
  std::string template_dir;  // --template DIR: write the blank descriptions there instead
  std::function<void(const CompiledRun&)> on_compiled;  // empty: nobody listens
  // Asked while another run holds OUTDIR: true gives the wait up (a stop
  // signal came). Empty: the compile waits as long as it takes.
  std::function<bool()> stop_requested;
  FileFaults* faults = nullptr;  // tests: makes a file's writing fail
};

struct CompileSummary {
  ExitStatus exit_status = kExitSuccess;
  // The wait for OUTDIR was given up: nothing compiled, written or said.
  bool stopped = false;
  int32_t error_code = 0;
  int32_t error_position = 0;
  std::optional<int32_t> fatal;
  std::vector<std::string> files;       // sorted
  std::vector<std::string> held_back;   // not written because of the error code, sorted
  std::vector<Diagnostic> diagnostics;  // in the order they are printed
  int errors = 0;
  int warnings = 0;  // found, printed or not
  // The warnings of each kind found beyond the ones printed (at most
  // kWarningsPerKind of a kind are): counted, neither printed nor reported.
  std::map<std::string, int64_t> omitted;
  std::vector<RecordCount> records_read;
  std::vector<ReaderStop> reader_stops;
};

struct DescriptionTexts;

// Runs one compile; diagnostics and messages go to err. Never deletes the
// description texts. Warnings never change a byte of the output. The binary
// files reach OUTDIR only when the error code is 0, or with write_on_error.
// A name that is not plain, or a description that cannot be read, ends it
// before anything is compiled or written, with exit status 2.
CompileSummary RunCompile(const CompileOptions& options, std::ostream& err);

// The compile itself, on texts already read (the --watch loop reads them to
// tell whether they changed): one run at a time in OUTDIR, the binary files,
// the diagnostics, the report and the picture.
CompileSummary CompileTexts(const CompileOptions& options, const DescriptionTexts& texts,
                            std::ostream& err);

}  // namespace scenario
