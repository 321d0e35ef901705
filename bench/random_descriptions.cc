#include "bench/random_descriptions.h"

#include <algorithm>

namespace scenario::bench {

namespace {

int64_t Draw(std::mt19937_64& random, int64_t low, int64_t high) {
  return std::uniform_int_distribution<int64_t>(low, high)(random);
}

}  // namespace

int64_t RandomScenario::TakeCell(std::mt19937_64& random, int64_t first, int64_t last) {
  first = std::max<int64_t>(first, 0);
  last = std::min(last, last_cell);
  for (int attempt = 0; attempt < 8 && first <= last; ++attempt) {
    const int64_t cell = Draw(random, first, last);
    if (Take(cell)) return cell;
  }
  return -1;
}

bool RandomScenario::Take(int64_t cell) {
  if (cell < 2 || cell > last_cell || taken[static_cast<size_t>(cell)]) return false;
  taken[static_cast<size_t>(cell)] = true;
  return true;
}

RandomScenario RandomDescriptions(std::mt19937_64& random) {
  RandomScenario s;
  s.route_length = static_cast<int32_t>(Draw(random, 0, 3) == 0 ? Draw(random, 3000, 9000)
                                                                 : Draw(random, 200, 800) * 50);
  s.last_cell = (int64_t{s.route_length} + 7000 + 25) / 50;  // nearly round; checked below
  if ((int64_t{s.route_length} + 7000) % 100 == 25) --s.last_cell;  // an exact half goes to even
  s.taken.assign(static_cast<size_t>(s.last_cell) + 1, false);
  AppendRandomLine(random, s);
  AppendRandomTrain(random, s);
  return s;
}

}  // namespace scenario::bench
