#include "tools/common/chainage.h"

#include <algorithm>
#include <cstdio>

namespace scenario {

Chainage::Chainage(const ScenarioTable& table) {
  for (int row = kChainageRow3; row <= kChainageRow1; ++row) {
    const ScenarioRow& r = table[row];
    if (r.span_start == 0 && r.span_end == 0) continue;
    sections_.push_back({row, r.span_start, r.span_end});
  }
  std::stable_sort(sections_.begin(), sections_.end(),
                   [](const ChainageSection& a, const ChainageSection& b) { return a.start < b.start; });
}

int64_t Chainage::OffsetAt(int64_t position) const {
  int64_t offset = 0;
  for (const ChainageSection& section : sections_) {
    if (section.start <= position) offset = section.offset;
  }
  return offset;
}

std::string FormatChainage(int64_t metres) {
  int64_t magnitude = metres < 0 ? -metres : metres;
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "km %s%lld+%03lld", metres < 0 ? "-" : "",
                static_cast<long long>(magnitude / 1000), static_cast<long long>(magnitude % 1000));
  return buffer;
}

}  // namespace scenario
