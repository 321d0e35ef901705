// The status document of a compile: whether it failed, the summary line and
// every diagnostic with its source line and caret.
#include <nlohmann/json.hpp>

#include "tools/common/text.h"
#include "tools/viewer/compile_sources.h"
#include "tools/viewer/status_json.h"

namespace scenario::viewer {

bool CompileFailed(const CompileSummary& summary) {
  return summary.error_code != 0 || summary.fatal.has_value() || summary.files.empty();
}

std::string CompileStatusJson(const CompileSummary& summary, const DescriptionTexts& texts) {
  const SourceLines line_lines(texts.line_text);
  const SourceLines train_lines(texts.train_text);
  StatusJson diagnostics = StatusJson::array();
  for (const Diagnostic& d : summary.diagnostics) {
    std::string location = d.file;
    if (d.line > 0) location += ":" + std::to_string(d.line);
    if (d.line > 0 && d.column > 0) location += ":" + std::to_string(d.column);
    StatusJson entry = {{"severity", d.severity == Severity::kError ? "error" : "warning"},
                        {"tag", d.Tag()},
                        {"file", DisplayText(d.file)},
                        {"line", d.line},
                        {"column", d.column},
                        {"location", DisplayText(location)},
                        {"message", DisplayText(d.message)}};
    const SourceLines& lines = d.description == Description::kTrain ? train_lines : line_lines;
    if (d.description && d.line > 0) {
      if (std::optional<std::string> source = lines.Line(d.line)) {
        entry["source"] = CodePageToUtf8(*source);
        if (d.column > 0) entry["caret"] = CaretLine(*source, d.column);
      }
    }
    diagnostics.push_back(std::move(entry));
  }
  return DumpStatus(StatusJson{{"mode", "compile"},
                               {"failed", CompileFailed(summary)},
                               {"summary", SummaryLine(summary.errors, summary.warnings)},
                               {"diagnostics", std::move(diagnostics)}});
}

std::string ReadFailureStatusJson(const std::string& failure) {
  return DumpStatus(StatusJson{{"mode", "compile"},
                               {"failed", true},
                               {"summary", DisplayText(failure)},
                               {"diagnostics", StatusJson::array()}});
}

}  // namespace scenario::viewer
