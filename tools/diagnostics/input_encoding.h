// --input-encoding: the character encoding the descriptions are saved in.
// The simulator reads names and texts one byte a character in its 8-bit code
// page (Windows-1252); descriptions saved in UTF-8 are converted to it before
// they are read, so that the compile sees what the code page would hold.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/diagnostics/diagnostic.h"

namespace scenario {

enum class InputEncoding { kCodePage, kUtf8 };

// "cp1252" or "windows-1252" (the default), "utf-8" or "utf8", in any case;
// nothing for another name.
std::optional<InputEncoding> InputEncodingNamed(std::string_view name);

// A place where UTF-8 text cannot become code-page text.
struct EncodingFault {
  TextPosition where;
  std::string message;
};

// UTF-8 text as the code page holds it: every character one byte, a leading
// byte-order mark dropped. Line ends are left alone, so lines keep their
// numbers, and a column counts characters as the author's editor shows them.
// A character the code page has no byte for stands as '?', a byte that is not
// UTF-8 as itself; each is a fault, in text order.
struct CodePageText {
  std::string bytes;
  std::vector<EncodingFault> faults;
};
CodePageText Utf8ToCodePage(std::string_view utf8);

// The errors of one description's faults (at most `limit` of them), tagged
// [input-encoding], to be shown against the converted text.
std::vector<Diagnostic> EncodingDiagnostics(const CodePageText& text, Description description,
                                            const std::string& file, size_t limit);

}  // namespace scenario
