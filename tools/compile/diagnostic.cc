#include "tools/compile/diagnostic.h"

#include <algorithm>
#include <tuple>

namespace scenario {

std::string Diagnostic::Tag() const {
  if (severity == Severity::kWarning) return "[-W" + warning + "]";
  return std::string(fatal ? "[fatal error " : "[error ") + std::to_string(code) + "]";
}

SourceLines::SourceLines(std::string_view text) : text_(text) {
  // A final line end does not begin one more line.
  for (size_t start = 0; start < text.size();) {
    starts_.push_back(start);
    const size_t end = text.find('\n', start);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
}

std::optional<std::string> SourceLines::Line(int line) const {
  if (line < 1 || static_cast<size_t>(line) > starts_.size()) return std::nullopt;
  const size_t start = starts_[static_cast<size_t>(line - 1)];
  size_t end = text_.find('\n', start);
  if (end == std::string_view::npos) end = text_.size();
  // A CR belongs to the line end only right before the LF.
  if (end < text_.size() && end > start && text_[end - 1] == '\r') --end;
  return std::string(text_.substr(start, end - start));
}

std::optional<std::string> SourceLine(std::string_view text, int line) {
  return SourceLines(text).Line(line);
}

std::string CaretLine(std::string_view source_line, int column) {
  std::string caret;
  const size_t at = column > 0 ? static_cast<size_t>(column - 1) : 0;
  for (size_t i = 0; i < at; ++i) {
    caret += (i < source_line.size() && source_line[i] == '\t') ? '\t' : ' ';
  }
  caret += '^';
  if (at >= source_line.size()) return caret;
  size_t end = source_line.find(',', at);
  if (end == std::string_view::npos) end = source_line.size();
  while (end > at + 1 && (source_line[end - 1] == ' ' || source_line[end - 1] == '\t')) --end;
  if (end > at + 1) caret.append(end - at - 1, '~');
  return caret;
}

std::string FormatDiagnostic(const Diagnostic& diagnostic, std::string_view source_text) {
  return FormatDiagnostic(diagnostic, SourceLines(source_text));
}

namespace {

// "FILE:LINE:COLUMN: KIND: MESSAGE", then the source line and the caret.
std::string Located(const std::string& file, int line, int column, const std::string& head,
                    const SourceLines& source) {
  std::string out = file;
  if (line > 0) {
    out += ":" + std::to_string(line);
    if (column > 0) out += ":" + std::to_string(column);
  }
  out += head + "\n";
  if (line > 0) {
    if (std::optional<std::string> text = source.Line(line)) {
      out += *text + "\n";
      if (column > 0) out += CaretLine(*text, column) + "\n";
    }
  }
  return out;
}

}  // namespace

std::string FormatDiagnostic(const Diagnostic& diagnostic, const SourceLines& source) {
  const char* kind = diagnostic.severity == Severity::kError ? ": error: " : ": warning: ";
  std::string out = Located(diagnostic.file, diagnostic.line, diagnostic.column,
                            kind + diagnostic.message + " " + diagnostic.Tag(), source);
  // A note points into the same text as its diagnostic.
  for (const DiagnosticNote& note : diagnostic.notes) {
    out += Located(note.file, note.line, note.column, ": note: " + note.message, source);
  }
  return out;
}

std::string ListText(const std::vector<std::string_view>& items) {
  std::string list;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) list += i + 1 == items.size() ? " and " : ", ";
    list += items[i];
  }
  return list;
}

std::string ListText(const std::vector<std::string>& items) {
  return ListText(std::vector<std::string_view>(items.begin(), items.end()));
}

std::string SummaryLine(int errors, int warnings) {
  auto count = [](int n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
  };
  return count(errors, "error") + ", " + count(warnings, "warning");
}

void SortDiagnostics(std::vector<Diagnostic>* diagnostics) {
  auto key = [](const Diagnostic& d) {
    const bool whole_file = d.line == 0 || !d.description.has_value();
    const int text = d.description == Description::kTrain ? 1 : 0;
    return std::make_tuple(whole_file, whole_file ? 0 : text, whole_file ? 0 : d.line,
                           whole_file ? 0 : d.column);
  };
  std::stable_sort(diagnostics->begin(), diagnostics->end(),
                   [&](const Diagnostic& a, const Diagnostic& b) { return key(a) < key(b); });
}

}  // namespace scenario
