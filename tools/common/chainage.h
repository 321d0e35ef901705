// Kilometre chainage along the route, from the chainage rows 81 to 83 of the
// scenario table. From a section's start on, the chainage is the route
// position plus the section's offset (a flag of 1 has already added its 100 m
// to the offset in the file); before the lowest start the offset is 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/scenario_table.h"

namespace scenario {

struct ChainageSection {
  int row = 0;
  int64_t start = 0;   // route position where the section begins, m
  int64_t offset = 0;  // chainage minus route position inside the section, m
};

class Chainage {
 public:
  Chainage() = default;  // no sections: chainage is the route position
  explicit Chainage(const ScenarioTable& table);

  // Sections in order of rising start; rows left all zero are left out.
  const std::vector<ChainageSection>& sections() const { return sections_; }
  int64_t OffsetAt(int64_t position) const;
  int64_t At(int64_t position) const { return position + OffsetAt(position); }

 private:
  std::vector<ChainageSection> sections_;
};

// "km 219+200", "km 0+050", "km -1+250" for whole metres.
std::string FormatChainage(int64_t metres);

}  // namespace scenario
