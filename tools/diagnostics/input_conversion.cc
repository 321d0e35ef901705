#include "tools/diagnostics/input_conversion.h"

#include "tools/diagnostics/terminal_text.h"

namespace scenario {

namespace {

// A text with a fault in every line would print pages of them; the first
// few show what is wrong.
constexpr size_t kFaultsShown = 10;

}  // namespace

CompileSummary UnconvertedSummary(const CompileOptions& options, const CodePageText& line,
                                  const CodePageText& train, std::ostream& err) {
  CompileSummary summary;
  struct Text {
    const CodePageText& text;
    Description description;
    const std::string& file;
  };
  for (const Text& each : {Text{line, Description::kLine, options.line_path},
                           Text{train, Description::kTrain, options.train_path}}) {
    const SourceLines lines(each.text.bytes);
    for (Diagnostic& diagnostic :
         EncodingDiagnostics(each.text, each.description, each.file, kFaultsShown)) {
      err << FormatDiagnostic(diagnostic, lines);
      summary.diagnostics.push_back(std::move(diagnostic));
    }
    if (each.text.faults.size() > kFaultsShown) {
      err << "scenario-compile: " << each.text.faults.size() - kFaultsShown << " more in "
          << EscapeForTerminal(each.file) << " not shown\n";
    }
  }
  summary.errors = static_cast<int>(line.faults.size() + train.faults.size());
  summary.exit_status = kExitFailure;
  err << "scenario-compile: the descriptions are not UTF-8 text that Windows-1252 can hold: "
         "nothing compiled, "
      << EscapeForTerminal(options.out_dir) << " left as it was\n"
      << "scenario-compile: " << SummaryLine(summary.errors, 0) << "\n";
  return summary;
}

}  // namespace scenario
