#include <algorithm>

#include "bench/random_descriptions.h"
#include "tools/common/decompile_text.h"

namespace scenario::bench {

namespace {

int64_t Draw(std::mt19937_64& random, int64_t low, int64_t high) {
  return std::uniform_int_distribution<int64_t>(low, high)(random);
}
long long L(int64_t v) { return static_cast<long long>(v); }

// Stops from the origin to the limits: the first at 0 reaching 500 m both
// ways, the others 350 m or more after the zone before, the last possibly
// at the highest position a stop may have.
void AppendStops(std::mt19937_64& random, RandomScenario& s) {
  const int64_t n = s.last_cell;
  const int64_t highest = 50 * n - 800;
  AppendLine(&s.train, "[stazioni]");
  AppendLine(&s.train, "stazione, 0, 8, 500, 1, 0, 0, 4,0,0, 2,1,0, 1, 8,15, 0, ORIGINE");
  s.Take(9);
  int64_t zone_end = 500;
  const int64_t kinds[] = {2, 4, 5, 6, 7, 8, 11, 22, 25, 26, 28};
  for (int k = 0; k < 20; ++k) {
    const int64_t kind = kinds[Draw(random, 0, 10)];
    const int64_t length = Draw(random, 2, 8) * 100;
    const bool at_limit = Draw(random, 0, 15) == 0;
    int64_t position = at_limit ? highest / 50 * 50 : (zone_end + 350 + length + Draw(random, 0, 3000)) / 50 * 50;
    if (position > highest) break;
    const int64_t mar = Draw(random, 0, 1);
    const int64_t behind = kind >= 5 && kind <= 8 ? length : length / 2;
    if (position - behind - 350 < zone_end) position = (zone_end + 350 + behind + 49) / 50 * 50;
    if (position > highest) break;
    const int64_t end = kind == 5 || kind == 6 ? position + 150
                        : kind == 7 || kind == 8 ? position + length
                                                 : position + length / 2 + (mar ? 50 : 0);
    const int64_t stop_cell = (end - 50) / 50;
    if (kind < 25 && stop_cell <= n && !s.Take(stop_cell)) continue;
    zone_end = end;
    AppendLine(&s.train, "stazione, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, PUNTO %d",
               L(position), L(kind), L(length), L(Draw(random, 0, 2)), L(Draw(random, 0, 1)), L(mar),
               L(Draw(random, 0, 4)), L(Draw(random, 0, 4)), L(Draw(random, 0, 2)), L(Draw(random, 0, 4)),
               L(Draw(random, 0, 4)), L(Draw(random, 0, 4)), L(Draw(random, 0, 1) * 60), L(Draw(random, 0, 23)),
               L(Draw(random, 0, 59)), L(Draw(random, 0, 59)), k);
    if (at_limit) break;
  }
}

void AppendSlowdowns(std::mt19937_64& random, RandomScenario& s) {
  const int64_t n = s.last_cell;
  AppendLine(&s.train, "[rallentamenti]");
  for (int64_t k = Draw(random, 0, 3); k > 0; --k) {
    const int64_t start = Draw(random, 10, n - 30);
    const int64_t length = Draw(random, 0, 20) * 50;
    const int64_t end = start + length / 50;
    const bool boards = start > 31;
    const bool prewarn = boards && Draw(random, 0, 1) == 1;
    std::vector<int64_t> cells = {start, end};
    if (boards) cells.push_back(start - 24);
    for (int64_t j = 0; prewarn && j < 4; ++j) cells.push_back(start - 25 - j);
    bool free = end + 2 <= n;
    for (int64_t c : cells) free = free && c >= 2 && !s.taken[static_cast<size_t>(c)];
    if (!free) continue;
    for (int64_t c : cells) s.taken[static_cast<size_t>(c)] = true;
    AppendLine(&s.train, "rallentamento, %lld, %lld, %lld, %lld, %lld, %lld", L((start - 1) * 50),
               L(Draw(random, 3, 15) * 10), L(length), L(Draw(random, 0, 2)), L(prewarn ? 1 : 0),
               L(Draw(random, 0, 1) * Draw(random, 1, 40)));
  }
}

}  // namespace

void AppendRandomTrain(std::mt19937_64& random, RandomScenario& s) {
  std::string& out = s.train;
  const int64_t n = s.last_cell;
  AppendLine(&out, "Treno a caso");
  AppendLine(&out, "[generale]");
  AppendLine(&out, "percentuale massa frenata, %lld", L(Draw(random, 50, 150)));
  AppendLine(&out, "numero vetture, %lld", L(Draw(random, 1, 14)));
  AppendLine(&out, "orologio, %lld %lld %lld", L(Draw(random, 0, 23)), L(Draw(random, 0, 59)), L(Draw(random, 0, 59)));
  AppendLine(&out, "sabbia, %lld", L(Draw(random, 0, 400)));
  AppendLine(&out, "[aderenze]");
  for (int64_t p = 0; p <= 50 * n - 100; p += Draw(random, 50, 20000)) {
    AppendLine(&out, "aderenza, %lld, %lld", L(p), L(Draw(random, 40, 120)));
  }
  AppendLine(&out, "[vel_limite]");
  for (int64_t p = Draw(random, 0, 1) * 300; p <= 50 * n - 100; p += Draw(random, 25, 8000)) {
    AppendLine(&out, "velocita' limite , %lld, %lld", L(p), L(Draw(random, 6, 50) * 5 + Draw(random, 0, 1) * 2));
  }
  AppendStops(random, s);
  AppendLine(&out, "[segnali]");
  for (int64_t cell = Draw(random, 2, 40); cell < n - 1; cell += Draw(random, 3, 60)) {
    if (!s.Take(cell)) continue;
    const int64_t tempos[] = {0, 0, 30, 150, 101};
    AppendLine(&out, "segnale, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld", L((cell - 1) * 50),
               L(Draw(random, 1, 2)), L(Draw(random, 0, 7)), L(Draw(random, 0, 7)), L(Draw(random, 0, 7)),
               L(Draw(random, 0, 1) * 2), L(Draw(random, 0, 2)), L(Draw(random, 0, 7)), L(Draw(random, 0, 7)),
               L(Draw(random, 0, 7)), L(tempos[Draw(random, 0, 4)]));
  }
  AppendSlowdowns(random, s);
  AppendLine(&out, "[codici]");
  for (int64_t k = Draw(random, 0, 30); k > 0; --k) {
    const int64_t cell = s.TakeCell(random, 2, n - 2);
    if (cell < 0) continue;
    const int64_t codes[] = {270, 180, 0, 75};
    AppendLine(&out, "abbattimento codice, %lld, %lld", L(cell * 50), L(codes[Draw(random, 0, 3)]));
  }
  AppendLine(&out, "     [fine]");
}

}  // namespace scenario::bench
