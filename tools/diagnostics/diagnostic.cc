#include "tools/diagnostics/diagnostic.h"

#include <algorithm>
#include <tuple>

#include "tools/diagnostics/terminal_text.h"
#include "tools/common/text.h"

namespace scenario {

std::string Diagnostic::Tag() const {
  if (severity == Severity::kWarning) return "[-W" + warning + "]";
  if (!tag.empty()) return "[" + tag + "]";
  return std::string(fatal ? "[fatal error " : "[error ") + std::to_string(code) + "]";
}

SourceLines::SourceLines(std::string_view text) : text_(text) {
  // A final line end does not begin one more line.
  for (size_t start = 0; start < text.size() && start <= UINT32_MAX;) {
    starts_.push_back(static_cast<uint32_t>(start));
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

std::string_view SourceLines::At(TextPosition where, size_t length) const {
  if (where.line < 1 || static_cast<size_t>(where.line) > starts_.size() || where.column < 1) {
    return {};
  }
  const size_t at = starts_[static_cast<size_t>(where.line - 1)] + static_cast<size_t>(where.column - 1);
  if (at > text_.size() || text_.size() - at < length) return {};
  return text_.substr(at, length);
}

std::optional<std::string> SourceLine(std::string_view text, int line) {
  return SourceLines(text).Line(line);
}

namespace {

// The caret line, each byte of the source line taking `width` characters.
template <typename Width>
std::string Caret(std::string_view source_line, int column, Width width) {
  std::string caret;
  const size_t at = column > 0 ? static_cast<size_t>(column - 1) : 0;
  for (size_t i = 0; i < at; ++i) {
    if (i < source_line.size() && source_line[i] == '\t') {
      caret += '\t';
    } else {
      caret.append(i < source_line.size() ? width(source_line[i]) : 1, ' ');
    }
  }
  caret += '^';
  if (at >= source_line.size()) return caret;
  size_t end = source_line.find(',', at);
  if (end == std::string_view::npos) end = source_line.size();
  while (end > at + 1 && (source_line[end - 1] == ' ' || source_line[end - 1] == '\t')) --end;
  size_t tildes = width(source_line[at]) - 1;
  for (size_t i = at + 1; i < end; ++i) tildes += width(source_line[i]);
  caret.append(tildes, '~');
  return caret;
}

}  // namespace

std::string CaretLine(std::string_view source_line, int column) {
  return Caret(source_line, column, [](char) -> size_t { return 1; });
}

std::string EscapedCaretLine(std::string_view source_line, int column) {
  return Caret(source_line, column, [](char c) { return EscapedWidth(static_cast<unsigned char>(c)); });
}

std::string FormatDiagnostic(const Diagnostic& diagnostic, std::string_view source_text) {
  return FormatDiagnostic(diagnostic, SourceLines(source_text));
}

namespace {

// "FILE:LINE:COLUMN: KIND: MESSAGE", then the source line and the caret.
// What comes from the descriptions or the command line is escaped.
std::string Located(const std::string& file, int line, int column, const std::string& head,
                    const SourceLines& source) {
  std::string out = EscapeForTerminal(file);
  if (line > 0) {
    out += ":" + std::to_string(line);
    if (column > 0) out += ":" + std::to_string(column);
  }
  out += EscapeForTerminal(head) + "\n";
  if (line > 0) {
    if (std::optional<std::string> text = source.Line(line)) {
      out += CodePageToUtf8(*text) + "\n";
      if (column > 0) out += EscapedCaretLine(*text, column) + "\n";
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

std::tuple<bool, int, int, int> PrintOrderKey(const Diagnostic& d) {
  const bool whole_file = d.line == 0 || !d.description.has_value();
  const int text = d.description == Description::kTrain ? 1 : 0;
  return std::make_tuple(whole_file, whole_file ? 0 : text, whole_file ? 0 : d.line,
                         whole_file ? 0 : d.column);
}

void SortDiagnostics(std::vector<Diagnostic>* diagnostics) {
  std::stable_sort(diagnostics->begin(), diagnostics->end(),
                   [](const Diagnostic& a, const Diagnostic& b) {
                     return PrintOrderKey(a) < PrintOrderKey(b);
                   });
}

}  // namespace scenario
