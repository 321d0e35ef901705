// How the compile fuzzer reads its input: a line description, a NUL byte and
// a train description; without a NUL the whole input is the line description
// and the train description is empty. Inputs that could size the route table
// beyond a few kilometres are passed over, so that every run stays fast.
#pragma once

#include <cstdint>
#include <string_view>

#include "descriptions/field_stream.h"

namespace scenario::fuzzing {

// Longest route the compile fuzzer builds a route table for (27001 rows).
inline constexpr int64_t kLongestFuzzedRoute = 20000;
// Beyond this the line reader refuses the route length and sizes nothing.
inline constexpr int64_t kLongestRoute = 1000000;

struct DescriptionPair {
  std::string_view line;
  std::string_view train;
};

inline DescriptionPair SplitInput(std::string_view input) {
  const size_t separator = input.find('\0');
  if (separator == std::string_view::npos) return {input, std::string_view()};
  return {input.substr(0, separator), input.substr(separator + 1)};
}

// Whether a route-length record of this line description could ask for a
// route longer than `cap` (and short enough to be sized). A keyword field is
// the tail of the text between two separators, so every such piece that
// holds both keywords counts, and the number after its separator is read the
// way the field stream reads one. Erring on the side of "yes" only skips an
// input.
inline bool MayAskForLongRoute(std::string_view line, int64_t cap) {
  size_t piece_start = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != ',' && line[i] != '\n') continue;
    const std::string_view piece = line.substr(piece_start, i - piece_start);
    piece_start = i + 1;
    if (!ContainsAnyCase(piece, "lunghezza") || !ContainsAnyCase(piece, "percorso")) continue;
    size_t p = i + 1;
    while (p < line.size() && (line[p] == ' ' || line[p] == '\t')) ++p;
    if (p < line.size() && line[p] == '+') ++p;
    int64_t value = 0;
    while (p < line.size() && line[p] >= '0' && line[p] <= '9' && value <= kLongestRoute) {
      value = value * 10 + (line[p] - '0');
      ++p;
    }
    if (value > cap && value <= kLongestRoute) return true;
  }
  return false;
}

}  // namespace scenario::fuzzing
