#include <gtest/gtest.h>

#include <array>

#include "descriptions/field_stream.h"
#include "descriptions/line_reader.h"

namespace scenario {
namespace {

// start, offset, flag of rows 81, 82, 83.
using Triple = std::array<int32_t, 3>;
using Rows = std::array<Triple, 3>;

Rows Order(const Rows& read) {
  ScenarioTable table;
  for (int i = 0; i < 3; ++i) {
    ScenarioRow& row = table[kChainageRow3 + i];
    row.span_start = read[i][0];
    row.span_end = read[i][1];
    row.position = read[i][2];
  }
  progressive_ordina(table);
  Rows result;
  for (int i = 0; i < 3; ++i) {
    const ScenarioRow& row = table[kChainageRow3 + i];
    result[i] = {row.span_start, row.span_end, row.position};
  }
  return result;
}

TEST(ProgressiveOrdinaTest, OrdersSections) {
  struct Case {
    const char* name;
    Rows read;
    Rows ordered;
  };
  const Rows zero{};
  const Case cases[] = {
      {"carried sections",
       {{{190600, 28600, 0}, {206200, -6550, 0}, {263600, 46500, 0}}},
       {{{263600, 46500, 0}, {206200, -6550, 0}, {190600, 28600, 0}}}},
      {"greatest start shared", {{{100, 1, 0}, {100, 2, 0}, {50, 3, 0}}}, zero},
      {"greatest start shared by the outer rows", {{{100, 1, 0}, {50, 2, 0}, {100, 3, 0}}}, zero},
      {"tie below the top: higher row first",
       {{{200, 1, 0}, {100, 2, 0}, {100, 3, 0}}},
       {{{200, 1, 0}, {100, 3, 0}, {100, 2, 0}}}},
      {"top in row 83, zero tie below",
       {{{0, 1, 0}, {0, 2, 0}, {300, 3, 0}}},
       {{{300, 3, 0}, {0, 2, 0}, {0, 1, 0}}}},
      {"all different",
       {{{10, 1, 0}, {30, 2, 0}, {20, 3, 0}}},
       {{{30, 2, 0}, {20, 3, 0}, {10, 1, 0}}}},
      {"negative starts order by start",
       {{{-10, 1, 0}, {-30, 2, 0}, {-20, 3, 0}}},
       {{{-10, 1, 0}, {-20, 3, 0}, {-30, 2, 0}}}},
      // Starts that sum to 0 without all being 0 go by the offsets.
      {"starts summing to 0",
       {{{-100, 0, 0}, {50, 10, 0}, {50, 0, 0}}},
       {{{50, 10, 0}, {-100, 0, 0}, {50, 0, 0}}}},
      {"offsets 0, 10, 20: rows 81 and 83 exchange",
       {{{0, 0, 0}, {0, 10, 0}, {0, 20, 0}}},
       {{{0, 20, 0}, {0, 10, 0}, {0, 0, 0}}}},
      {"positive offset in row 81 only: as read",
       {{{0, 5, 7}, {0, -1, 8}, {0, 0, 9}}},
       {{{0, 5, 7}, {0, -1, 8}, {0, 0, 9}}}},
      {"positive offset in row 82 only: rows 81 and 82 exchange",
       {{{0, 0, 7}, {0, 5, 8}, {0, -3, 9}}},
       {{{0, 5, 8}, {0, 0, 7}, {0, -3, 9}}}},
      {"offsets 10, 20, 0: row 82's exchange decides",
       {{{0, 10, 0}, {0, 20, 0}, {0, 0, 0}}},
       {{{0, 20, 0}, {0, 10, 0}, {0, 0, 0}}}},
      {"offsets all 0", {{{0, 0, 4}, {0, 0, 5}, {0, 0, 6}}}, zero},
      {"offsets all negative", {{{0, -50, 4}, {0, -1, 5}, {0, -7, 6}}}, zero},
      {"flag 1 adds 100 after ordering, flag 2 does nothing",
       {{{100, 1000, 1}, {300, 2000, 2}, {200, 3000, 1}}},
       {{{300, 2000, 2}, {200, 3100, 1}, {100, 1100, 1}}}},
      {"flag 1 on an offset ordering", {{{0, 0, 0}, {0, 50, 1}, {0, 0, 0}}},
       {{{0, 150, 1}, {0, 0, 0}, {0, 0, 0}}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Order(c.read), c.ordered) << c.name;
  }
}

TEST(ProgressiveOrdinaTest, OffsetThatOutgrows32BitsFails) {
  EXPECT_THROW(Order({{{100, 2147483600, 1}, {0, 0, 0}, {0, 0, 0}}}), DescriptionFailure);
  EXPECT_EQ(Order({{{100, 2147483547, 1}, {0, 0, 0}, {0, 0, 0}}})[0][1], 2147483647);
}

}  // namespace
}  // namespace scenario
