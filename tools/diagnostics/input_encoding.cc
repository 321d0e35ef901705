#include "tools/diagnostics/input_encoding.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "tools/common/text.h"

namespace scenario {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string CodePointName(char32_t c) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

std::string HexByte(unsigned char byte) {
  char name[8];
  std::snprintf(name, sizeof name, "0x%02X", byte);
  return name;
}

}  // namespace

std::optional<InputEncoding> InputEncodingNamed(std::string_view name) {
  const std::string lower = Lower(name);
  if (lower == "cp1252" || lower == "windows-1252") return InputEncoding::kCodePage;
  if (lower == "utf-8" || lower == "utf8") return InputEncoding::kUtf8;
  return std::nullopt;
}

CodePageText Utf8ToCodePage(std::string_view utf8) {
  CodePageText out;
  out.bytes.reserve(utf8.size());
  size_t i = utf8.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  int line = 1;
  int column = 1;
  while (i < utf8.size()) {
    char32_t c = 0;
    const size_t length = Utf8SequenceAt(utf8, i, &c);
    const TextPosition here{line, column};
    if (length == 0) {
      const auto byte = static_cast<unsigned char>(utf8[i]);
      out.faults.push_back({here, "byte " + HexByte(byte) +
                                      " is not UTF-8: is the description saved in Windows-1252? "
                                      "Then compile it without --input-encoding utf-8"});
      out.bytes.push_back(utf8[i]);
      ++i;
    } else if (const std::optional<unsigned char> byte = CodePageByte(c)) {
      out.bytes.push_back(static_cast<char>(*byte));
      i += length;
    } else {
      out.faults.push_back({here, "\"" + std::string(utf8.substr(i, length)) + "\" (" +
                                      CodePointName(c) +
                                      ") has no byte in the simulator's code page, Windows-1252, "
                                      "so the simulator cannot show it: write another character"});
      out.bytes.push_back('?');
      i += length;
    }
    if (out.bytes.back() == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return out;
}

std::vector<Diagnostic> EncodingDiagnostics(const CodePageText& text, Description description,
                                            const std::string& file, size_t limit) {
  std::vector<Diagnostic> diagnostics;
  for (const EncodingFault& fault : text.faults) {
    if (diagnostics.size() == limit) break;
    Diagnostic diagnostic;
    diagnostic.severity = Severity::kError;
    diagnostic.tag = "input-encoding";
    diagnostic.description = description;
    diagnostic.file = file;
    diagnostic.line = fault.where.line;
    diagnostic.column = fault.where.column;
    diagnostic.message = fault.message;
    diagnostics.push_back(std::move(diagnostic));
  }
  return diagnostics;
}

}  // namespace scenario
