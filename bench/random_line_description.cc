#include <algorithm>

#include "bench/random_descriptions.h"
#include "tools/common/decompile_text.h"

namespace scenario::bench {

namespace {

int64_t Draw(std::mt19937_64& random, int64_t low, int64_t high) {
  return std::uniform_int_distribution<int64_t>(low, high)(random);
}
long long L(int64_t v) { return static_cast<long long>(v); }

}  // namespace

void AppendRandomLine(std::mt19937_64& random, RandomScenario& s) {
  std::string& out = s.line;
  const int64_t length = s.route_length;
  const int64_t n = s.last_cell;
  AppendLine(&out, "Linea a caso, lunga %lld m.", L(length));
  AppendLine(&out, "[generale]");
  AppendLine(&out, "lunghezza percorso, %lld", L(length));
  for (const char* word : {"uno", "due", "tre"}) {
    if (Draw(random, 0, 2) != 0) {
      AppendLine(&out, "progressiva chilometrica %s, %lld, %lld, %lld", word, L(Draw(random, 0, n) * 50),
                 L(Draw(random, -200, 200) * 50), L(Draw(random, 0, 2)));
    }
  }
  AppendLine(&out, "sfondo uno, %lld", L(Draw(random, 0, 3)));
  AppendLine(&out, "sfondo due, %lld", L(Draw(random, 0, 300000)));
  AppendLine(&out, "sfondo tre, %lld", L(Draw(random, -1, 1)));
  if (Draw(random, 0, 3) != 0) {
    AppendLine(&out, "ripetizione segnali %d codici, %lld, %lld", Draw(random, 0, 1) ? 4 : 9,
               L(Draw(random, 0, 40) * 50), L(Draw(random, 0, 1) ? Draw(random, 41, n - 2) * 50 : 0));
  }
  AppendLine(&out, "[pendenze]");
  for (int64_t p = Draw(random, 0, 400); p <= 50 * n - 100; p += Draw(random, 0, 4000)) {
    AppendLine(&out, "pendenza, %lld, %lld", L(p), L(Draw(random, -30, 30)));
    if (Draw(random, 0, 30) == 0) p = std::max<int64_t>(p, 50 * n - 300);  // into the overrun
  }
  AppendLine(&out, "[curve]");
  // Overlapping curves keep only their part beyond the one before; one may
  // run on to the last row.
  const int64_t last_row = length + 7000;
  for (int64_t start = Draw(random, 0, 3000); start + 100 <= 50 * n;) {
    const bool to_end = Draw(random, 0, 10) == 0;
    const int64_t len = to_end ? last_row - start : Draw(random, 1, 1500);
    if (start + len > last_row) break;
    AppendLine(&out, "curva%c%lld, %lld, %lld", Draw(random, 0, 1) ? 's' : 'd', L(Draw(random, 1, 6)),
               L(start), L(len));
    if (to_end) break;
    start += Draw(random, -200, 5000) + len;
  }
  AppendLine(&out, "[montagne]");
  for (int64_t p = Draw(random, 0, 5000), k = 0; p + 100 <= 50 * n && k < 12; ++k) {
    const int64_t end = p + Draw(random, 50, 3000);
    const int64_t kinds[] = {1, 2, 3, 11, 12, 13, 0};
    AppendLine(&out, "montagna, %lld, %lld, %lld", L(p), L(Draw(random, 0, 15) == 0 ? p - 500 : end),
               L(kinds[Draw(random, 0, 6)]));
    p = Draw(random, 0, 3) == 0 ? p + Draw(random, 0, end - p) : end + Draw(random, 0, 6000);
  }
  AppendLine(&out, "[cartelli]");
  for (int64_t k = Draw(random, 0, 12); k > 0; --k) {
    const int64_t cell = s.TakeCell(random, 2, n - 1);
    if (cell < 0) continue;
    AppendLine(&out, "indicatori_vmax, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %lld", L((cell - 1) * 50),
               L(Draw(random, 12, 50) * 5), L(Draw(random, 60, 250)), L(Draw(random, 12, 50) * 5),
               L(Draw(random, 0, 2)), L(Draw(random, 12, 50) * 5), L(Draw(random, 60, 250)),
               L(Draw(random, 12, 50) * 5), L(Draw(random, 0, 2)));
  }
  AppendLine(&out, "[indicazioni]");
  for (int64_t k = Draw(random, 0, 10); k > 0; --k) {
    const int64_t cell = s.TakeCell(random, 2, n - 1);
    if (cell < 0) continue;
    AppendLine(&out, "cartello indicatore, %lld, (  Km.  ) (%lld.%03lld) ", L((cell - 1) * 50),
               L(cell / 20), L(cell % 20 * 50));
  }
  AppendLine(&out, "[fine]");
  AppendLine(&out, "                ");
}

}  // namespace scenario::bench
