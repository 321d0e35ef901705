// One diagnostic of scenario-compile, in the form compilers and editors use:
//   FILE:LINE:COLUMN: error: MESSAGE [error 16]
//   FILE:LINE:COLUMN: warning: MESSAGE [-Wname]
// followed by the source line and a caret under the field, then its notes
// (FILE:LINE:COLUMN: note: MESSAGE), each with its line and caret too. Lines
// and columns count from 1; a diagnostic about a whole file has line 0 and
// reads "FILE: error: ...".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "descriptions/read_observer.h"

namespace scenario {

enum class Severity { kError, kWarning };

// A second place a diagnostic points at: the field that shows why.
struct DiagnosticNote {
  std::string file;
  int line = 0;
  int column = 0;
  std::string message;
};

struct Diagnostic {
  Severity severity = Severity::kError;
  int32_t code = 0;     // errors: the error code, or 1250 / 1251 for a fatal report
  bool fatal = false;   // the stamp step's fatal report
  std::string warning;  // warnings: the name of the switch that silences it
  std::string tag;      // errors found before the compile, which have no code: what refused them
  std::optional<Description> description;  // the text it points into, if any
  std::string file;
  int line = 0;    // 0: the whole file
  int column = 0;  // 0: no column
  std::string message;
  std::vector<DiagnosticNote> notes;

  // "[error 16]", "[fatal error 1250]", "[-Wname]" or "[tag]".
  std::string Tag() const;
};

// The lines of a source text, found once so that many diagnostics can show
// their line without reading the text from its start each time.
class SourceLines {
 public:
  explicit SourceLines(std::string_view text);
  // Line `line` (from 1) without its line end; nullopt when there is none.
  std::optional<std::string> Line(int line) const;
  int count() const { return static_cast<int>(starts_.size()); }
  // The `length` bytes from a place in the text; "" when the text has no
  // such place or they run past its end.
  std::string_view At(TextPosition where, size_t length) const;

 private:
  std::string_view text_;
  // Where each line begins: a description is at most 1 GiB, read as it is.
  std::vector<uint32_t> starts_;
};

// The first line, "FILE:LINE:COLUMN: error: MESSAGE [TAG]", then, when the
// line exists in the source text, the source line and the caret line; the
// file, the message and the source line escaped for the terminal.
std::string FormatDiagnostic(const Diagnostic& diagnostic, const SourceLines& source);
std::string FormatDiagnostic(const Diagnostic& diagnostic, std::string_view source_text);

// Line `line` (from 1) of a text without its line end; nullopt when the text
// has no such line.
std::optional<std::string> SourceLine(std::string_view text, int line);

// Blanks up to the column (tabs kept, so the caret lines up under tabs too),
// then "^" and a "~" for every further character of the field: up to the
// next comma or the end of the line, trailing blanks left out.
std::string CaretLine(std::string_view source_line, int column);
// The same under the source line as a terminal shows it, with its control
// bytes and bytes above 127 escaped (four characters each).
std::string EscapedCaretLine(std::string_view source_line, int column);

// "a", "a and b", "a, b and c": record kinds or value names in a message.
std::string ListText(const std::vector<std::string_view>& items);
std::string ListText(const std::vector<std::string>& items);

// "1 error, 2 warnings" and the like.
std::string SummaryLine(int errors, int warnings);

// Where a diagnostic comes in the printed order: whether it is about a whole
// file, then the text (line description first), the line and the column.
std::tuple<bool, int, int, int> PrintOrderKey(const Diagnostic& diagnostic);

// Diagnostics pointing into the texts first, the line description before the
// train description, by line and column; whole-file ones after them, each
// group keeping the order it had.
void SortDiagnostics(std::vector<Diagnostic>* diagnostics);

}  // namespace scenario
