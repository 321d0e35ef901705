// progressive_ordina: the chainage sections in rows 81 to 83 go into order of
// decreasing start, or, when every start is 0, into the order the signs of
// their offsets choose. A row's start, offset and flag always move together.
#include <array>
#include <limits>
#include <string>

#include "descriptions/field_stream.h"
#include "descriptions/line_reader.h"

namespace scenario {

namespace {

struct Section {
  int32_t start = 0;
  int32_t offset = 0;
  int32_t flag = 0;
};

using Sections = std::array<Section, 3>;  // rows 81, 82, 83

Sections OrderByStart(const Sections& read) {
  for (int top = 0; top < 3; ++top) {
    const int a = (top + 1) % 3;
    const int b = (top + 2) % 3;
    if (read[top].start <= read[a].start || read[top].start <= read[b].start) continue;
    // Of the other two the greater start comes next; on a tie the one read
    // from the higher-numbered row does.
    const int low_row = a < b ? a : b;
    const int high_row = a < b ? b : a;
    if (read[low_row].start > read[high_row].start) return {read[top], read[low_row], read[high_row]};
    return {read[top], read[high_row], read[low_row]};
  }
  // The greatest start is shared: no order can be made.
  return Sections{};
}

Sections OrderByOffset(const Sections& read) {
  // Each test works on the sections as read and replaces what the ones
  // before it chose, so the last that applies decides.
  Sections result{};
  if (read[0].offset > 0) result = read;
  if (read[1].offset > 0) result = {read[1], read[0], read[2]};
  if (read[2].offset > 0) result = {read[2], read[1], read[0]};
  return result;
}

}  // namespace

void progressive_ordina(ScenarioTable& table) {
  Sections read;
  for (int i = 0; i < 3; ++i) {
    const ScenarioRow& row = table[kChainageRow3 + i];
    read[i] = Section{row.span_start, row.span_end, row.position};
  }
  const int64_t start_sum = int64_t{read[0].start} + read[1].start + read[2].start;
  const Sections ordered = start_sum != 0 ? OrderByStart(read) : OrderByOffset(read);
  for (int i = 0; i < 3; ++i) {
    ScenarioRow& row = table[kChainageRow3 + i];
    row.span_start = ordered[i].start;
    row.span_end = ordered[i].offset;
    row.position = ordered[i].flag;
  }
  // A flag of exactly 1 moves the section's chainage on by 100 m.
  for (int i = 0; i < 3; ++i) {
    ScenarioRow& row = table[kChainageRow3 + i];
    if (row.position != 1) continue;
    if (row.span_end > std::numeric_limits<int32_t>::max() - 100) {
      throw DescriptionFailure("the chainage offset " + std::to_string(row.span_end) +
                                   " plus 100 does not fit 32 bits",
                               TextPosition{});
    }
    row.span_end += 100;
  }
}

}  // namespace scenario
