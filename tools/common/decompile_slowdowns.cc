#include "tools/common/decompile_slowdowns.h"

#include <cstdint>

#include "grid/signal_and_slowdown_cells.h"
#include "tools/common/decompile_text.h"

namespace scenario {

namespace {

// The warning board stands 1200 m, 24 cells, before the start.
constexpr int64_t kWarningCells = 24;

bool Carries(const Cell& board, const Cell& start) {
  return board.value_a == start.value_a && board.value_b == start.value_b;
}

}  // namespace

void AppendSlowdowns(const std::vector<Cell>& cells, std::string* out, std::vector<std::string>* notes) {
  const int64_t count = static_cast<int64_t>(cells.size());
  auto at = [&](int64_t i) -> const Cell& { return cells[static_cast<size_t>(i)]; };
  std::vector<bool> used(cells.size(), false);
  AppendComment(out, "Slowdown: start and speed and length then f_tt and f_ta and d_v.");
  for (int64_t start = 0; start < count; ++start) {
    const Cell& s = at(start);
    if (s.cell_type != kSlowdownStart) continue;
    used[static_cast<size_t>(start)] = true;
    // The nearest end board after the start with the same values; none
    // when the end fell on the start cell and the start took its place.
    int64_t end = start;
    for (int64_t c = start + 1; c < count; ++c) {
      const Cell& e = at(c);
      if (e.cell_type == kSlowdownEnd && !used[static_cast<size_t>(c)] && Carries(e, s) &&
          e.value_c == s.value_c) {
        end = c;
        used[static_cast<size_t>(c)] = true;
        break;
      }
    }
    int64_t x = (start - 1) * 50;
    const int64_t warning = start - kWarningCells;
    const bool warned = warning >= 0 && at(warning).cell_type == kSlowdownWarning &&
                        Carries(at(warning), s);
    // A start at 1500 m rounds from just beyond it too, where the boards
    // come with it.
    if (warned && x <= kSlowdownBoardsFrom) x = kSlowdownBoardsFrom + 10;
    if (!warned && x > kSlowdownBoardsFrom) {
      notes->push_back("grid cell " + std::to_string(start) +
                       ": a slowdown start without the warning board 24 cells before it");
    }
    bool prewarned = warned;
    for (int64_t k = 0; k < 4 && prewarned; ++k) {
      const int64_t c = warning - 1 - k;
      prewarned = c >= 0 && at(c).cell_type == kSlowdownPrewarning && at(c).value_a == k + 1 &&
                  at(c).value_b == (s.value_b != 0 ? k + 1 : 0);
    }
    if (warned) used[static_cast<size_t>(warning)] = true;
    for (int64_t k = 0; k < 4 && prewarned; ++k) used[static_cast<size_t>(warning - 1 - k)] = true;
    const int64_t length = (end - start) * 50;
    AppendComment(out, "Slowdown from " + Kilometres(x) + " for " + std::to_string(length) + " m at " +
                           std::to_string(s.value_a) + " km/h.");
    AppendLine(out, "rallentamento, %9lld, %4d, %6lld, %3d, %d, %4d", static_cast<long long>(x),
               s.value_a, static_cast<long long>(length), s.value_c, prewarned ? 1 : 0, s.value_b);
  }
  for (int64_t c = 0; c < count; ++c) {
    const uint8_t type = at(c).cell_type;
    if ((type == kSlowdownEnd || type == kSlowdownWarning || type == kSlowdownPrewarning) &&
        !used[static_cast<size_t>(c)]) {
      notes->push_back("grid cell " + std::to_string(c) + ": a slowdown board of no slowdown start");
      break;
    }
  }
}

}  // namespace scenario
