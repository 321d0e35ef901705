#include "tools/diagnostics/diagnostic_report.h"

#include <nlohmann/json.hpp>

#include "tools/common/text.h"

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
  nlohmann::json held_back = nlohmann::json::array();
  for (const std::string& file : summary.held_back) held_back.push_back(DisplayText(file));
  report["held_back"] = std::move(held_back);
  nlohmann::json records = nlohmann::json::object();
  for (const RecordCount& count : summary.records_read) records[count.kind] = count.count;
  report["records_read"] = std::move(records);
  nlohmann::json stops = nlohmann::json::array();
  for (const ReaderStop& stop : summary.reader_stops) {
    stops.push_back({{"reader", stop.description == Description::kLine ? "line" : "train"},
                     {"code", stop.code},
                     {"file", DisplayText(stop.file)},
                     {"line", stop.line},
                     {"column", stop.column},
                     {"not_read", stop.unread}});
  }
  report["reader_stops"] = std::move(stops);
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
    if (!d.notes.empty()) {
      nlohmann::json& notes = entry["notes"] = nlohmann::json::array();
      for (const DiagnosticNote& note : d.notes) {
        notes.push_back({{"file", DisplayText(note.file)},
                         {"line", note.line},
                         {"column", note.column},
                         {"message", DisplayText(note.message)}});
      }
    }
    diagnostics.push_back(std::move(entry));
  }
  report["diagnostics"] = std::move(diagnostics);
  // The warnings of each kind beyond the ones reported, as on the terminal.
  nlohmann::json omitted = nlohmann::json::object();
  for (const auto& [warning, count] : summary.omitted) omitted[warning] = count;
  report["omitted"] = std::move(omitted);
  return report.dump(2) + "\n";
}

}  // namespace scenario
