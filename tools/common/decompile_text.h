// Writing description lines: CR LF lines in the code page, values aligned in
// columns, and comment lines that the readers pass over (a hyphen, no
// comma). At most two comment lines ever stand in a row in a data section:
// a third would be read as a keyword field.
#pragma once

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace scenario {

// Appends one line built with printf-style formatting, then CR LF.
[[gnu::format(printf, 2, 3)]] inline void AppendLine(std::string* out, const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  out->append(buffer, static_cast<size_t>(n < 0 ? 0 : std::min<int>(n, sizeof buffer - 1)));
  out->append("\r\n");
}

// A comment line "- text": commas, control bytes and line ends in the text
// (a name, a sign text) become blanks, so the line stays one comment field.
inline void AppendComment(std::string* out, std::string_view text) {
  out->append("- ");
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    out->push_back(c == ',' || byte < 0x20 || byte == 0x7f ? ' ' : c);
  }
  out->append("\r\n");
}

// "12.345 km" for a route position in metres.
inline std::string Kilometres(int64_t metres) {
  char buffer[32];
  const char* sign = metres < 0 ? "-" : "";
  const int64_t m = metres < 0 ? -metres : metres;
  std::snprintf(buffer, sizeof buffer, "%s%lld.%03lld km", sign, static_cast<long long>(m / 1000),
                static_cast<long long>(m % 1000));
  return buffer;
}

}  // namespace scenario
