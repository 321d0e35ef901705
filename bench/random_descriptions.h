// Description pairs drawn at random, for the round trip of opening compiled
// scenarios: every record kind, overlapping tunnels and curves, a curve to
// the last row of the plan, objects in the overrun beyond the route's end,
// stops at the limits. Objects are laid into free cells so that most pairs
// compile with error code 0; the ones that do not are left to the caller.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace scenario::bench {

struct RandomScenario {
  int32_t route_length = 0;
  int64_t last_cell = 0;    // N
  std::vector<bool> taken;  // cells an object of the descriptions stands in
  std::string line;
  std::string train;

  // A free cell in first .. last (clamped to the grid), marked taken; -1
  // when none was found in a few draws.
  int64_t TakeCell(std::mt19937_64& random, int64_t first, int64_t last);
  bool Take(int64_t cell);
};

RandomScenario RandomDescriptions(std::mt19937_64& random);

// The two halves, each on the one generator state.
void AppendRandomLine(std::mt19937_64& random, RandomScenario& s);
void AppendRandomTrain(std::mt19937_64& random, RandomScenario& s);

}  // namespace scenario::bench
