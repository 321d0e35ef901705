#include "tools/diagnostics/command_output.h"

#include <map>
#include <string>
#include <vector>

#include "tools/diagnostics/terminal_text.h"
#include "tools/diagnostics/warning_list.h"
#include "tools/common/scenario_folder.h"
#include "tools/common/svg.h"
#include "tools/common/text.h"

namespace scenario {

namespace {

// At most this many errors in the picture's band; the rest are counted.
constexpr size_t kBandErrors = 12;

bool Failed(const CompileSummary& summary) {
  return summary.error_code != 0 || summary.fatal.has_value() || summary.errors > 0;
}

std::vector<std::string> BandLines(const CompileOptions& options, const CompileSummary& summary) {
  std::string heading = "scenario-compile: " + SummaryLine(summary.errors, summary.warnings);
  if (!summary.held_back.empty() || summary.files.empty()) {
    heading += "; " + DisplayText(options.out_dir) + " left as it was, the picture shows what it holds";
  }
  std::vector<std::string> lines{heading};
  size_t shown = 0;
  for (const Diagnostic& d : summary.diagnostics) {
    if (d.severity != Severity::kError) continue;
    if (++shown > kBandErrors) continue;
    // Each part shown on its own: a file name that is not UTF-8 must not
    // change how the message, already shown text, is read.
    std::string where = DisplayText(d.file);
    if (d.line > 0) where += ":" + std::to_string(d.line) + ":" + std::to_string(d.column);
    lines.push_back(where + ": " + d.message + " " + d.Tag());
  }
  if (shown > kBandErrors) {
    lines.push_back("and " + std::to_string(shown - kBandErrors) + " more errors");
  }
  return lines;
}

}  // namespace

void PrintDiagnostics(const CompileSummary& summary, const SourceLines& line_lines,
                      const SourceLines& train_lines, std::ostream& err) {
  std::map<std::string, size_t, std::less<>> printed;
  for (const Diagnostic& diagnostic : summary.diagnostics) {
    const bool in_train = diagnostic.description == Description::kTrain;
    err << FormatDiagnostic(diagnostic, in_train ? train_lines : line_lines);
    if (diagnostic.severity != Severity::kWarning) continue;
    auto omitted = summary.omitted.find(diagnostic.warning);
    if (omitted != summary.omitted.end() && ++printed[diagnostic.warning] == kWarningsPerKind) {
      err << "scenario-compile: " << omitted->second << " more " << diagnostic.Tag()
          << " warnings not shown: at most " << kWarningsPerKind << " of a kind are\n";
    }
  }
}

void PrintClosingLines(const CompileOptions& options, const CompileSummary& summary,
                       std::ostream& err) {
  err << "scenario-compile: read " << RecordCountsText(summary.records_read) << "\n";
  for (const ReaderStop& stop : summary.reader_stops) {
    err << "scenario-compile: " << EscapeForTerminal(ReaderStopText(stop)) << "\n";
  }
  if (!summary.held_back.empty()) {
    err << "scenario-compile: error code " << summary.error_code << ": " << EscapeForTerminal(options.out_dir)
        << " left as it was; --write-on-error writes the files anyway\n";
  }
  err << "scenario-compile: " << SummaryLine(summary.errors, summary.warnings);
  if (options.warnings.as_errors && summary.warnings > 0) err << " (warnings count as errors)";
  err << "\n";
}

Status DrawPicture(const CompileOptions& options, const CompileSummary& summary, FileWriter& files) {
  const bool failed = Failed(summary);
  // Only the set this run names is drawn: another scenario in OUTDIR, or
  // an older file of another set, never enters the picture.
  ScenarioFolder folder;
  const Status loaded = LoadScenarioSet(options.out_dir, options.route, options.train, &folder, RouteDetail::kRowsOnly);
  std::string svg;
  Status drawn;
  if (loaded.ok()) {
    svg = failed ? RenderScenarioSvg(folder, BandLines(options, summary)) : RenderScenarioSvg(folder);
  } else if (failed) {
    svg = RenderFailureSvg(BandLines(options, summary));
  } else {
    // The compile wrote its files, yet they cannot be drawn: the picture
    // says why in its band, so that no older picture stays to mislead, and
    // the run ends as a file failure.
    const std::string why = "the picture shows no scenario: " + DisplayText(loaded.message());
    svg = RenderFailureSvg({"scenario-compile: " + why});
    drawn = Status::Error("cannot draw " + options.svg_path + ": " + why);
  }
  if (Status written = files.Write(options.svg_path, svg); !written.ok()) return written;
  return drawn;
}

}  // namespace scenario
