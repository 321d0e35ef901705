#include "tools/compile/diagnostic_report.h"

#include <nlohmann/json.hpp>

#include "tools/inspect/text.h"

namespace scenario {

std::string CompileReportJson(const CompileSummary& summary) {
  nlohmann::json report;
  report["error_code"] = summary.error_code;
  report["error_position"] = summary.error_position;
  report["fatal"] = summary.fatal ? nlohmann::json(*summary.fatal) : nlohmann::json(nullptr);
  // JSON text is UTF-8: what comes from the descriptions (8-bit code page)
  // is read as Latin-1, as scenario-inspect shows it.
  nlohmann::json files = nlohmann::json::array();
  for (const std::string& file : summary.files) files.push_back(DisplayText(file));
  report["files"] = std::move(files);
  nlohmann::json diagnostics = nlohmann::json::array();
  for (const Diagnostic& d : summary.diagnostics) {
    nlohmann::json entry;
    const bool error = d.severity == Severity::kError;
    entry["severity"] = error ? "error" : "warning";
    // An error carries its code, a warning the name of its switch.
    if (error) {
      entry["code"] = d.code;
    } else {
      entry["warning"] = d.warning;
    }
    entry["file"] = DisplayText(d.file);
    entry["line"] = d.line;
    entry["column"] = d.column;
    entry["message"] = DisplayText(d.message);
    diagnostics.push_back(std::move(entry));
  }
  report["diagnostics"] = std::move(diagnostics);
  return report.dump(2) + "\n";
}

}  // namespace scenario
