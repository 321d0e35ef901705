// Helpers for the tests of the carried documents: the lines the emitter
// writes, the text of a description as the readers get it, and the fields of
// a record line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "content/documents.h"

namespace scenario::content_testing {

using Lines = std::vector<std::string>;

// The lines before the first line that is exactly the end marker.
inline Lines WrittenLines(const LineBuffer& buffer) {
  Lines lines;
  for (const std::string& line : buffer) {
    if (line == kEndMarker) break;
    lines.push_back(line);
  }
  return lines;
}

// What the emitter writes: every line followed by CR LF.
inline std::string EmittedText(const LineBuffer& buffer) {
  std::string text;
  for (const std::string& line : WrittenLines(buffer)) text += line + "\r\n";
  return text;
}

// Lines first .. last, counted from 1, both included.
inline Lines Range(const Lines& lines, size_t first, size_t last) {
  if (first < 1 || last > lines.size() || first > last) return {};
  return Lines(lines.begin() + static_cast<long>(first - 1), lines.begin() + static_cast<long>(last));
}

inline int CountStartingWith(const Lines& lines, std::string_view prefix) {
  int count = 0;
  for (const std::string& line : lines) count += line.starts_with(prefix) ? 1 : 0;
  return count;
}

inline int CountEqual(const Lines& lines, std::string_view text) {
  int count = 0;
  for (const std::string& line : lines) count += line == text ? 1 : 0;
  return count;
}

// The comma-separated fields of a record line, leading blanks dropped.
inline std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    size_t comma = line.find(',', start);
    std::string_view field = line.substr(start, comma == std::string_view::npos ? line.npos : comma - start);
    size_t first = field.find_first_not_of(" \t");
    fields.emplace_back(first == field.npos ? std::string_view() : field.substr(first));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

// The whole number that a field begins with (trailing blanks allowed).
inline int FieldNumber(const std::string& field) { return std::stoi(field); }

}  // namespace scenario::content_testing
