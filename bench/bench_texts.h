// The description texts the benchmarks run on.
#pragma once

#include <cstdint>
#include <string>

namespace scenario::bench {

struct DescriptionTexts {
  std::string line;
  std::string train;
  std::string label;  // what the texts are, for the benchmark output
};

// The carried descriptions as the packager writes them. While the carried
// texts are still empty, a generated line of the carried length stands in.
const DescriptionTexts& CarriedTexts();

// A generated line of the given length and a run over it.
const DescriptionTexts& GeneratedTexts(int32_t route_length);

inline constexpr int32_t kCarriedRouteLength = 270000;
inline constexpr int32_t kLongestRouteLength = 1000000;

}  // namespace scenario::bench
