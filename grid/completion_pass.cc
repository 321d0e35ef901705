// The grid completion pass. Every slowdown needs cab-signal code reductions
// to 180 that the descriptions do not name: in front of the signals before
// its warning board, in three windows before its start, every 8 cells inside
// a slow slowdown and in front of the first signal after its end. The pass
// records errors 11 to 13 and never stops on them. Cells outside 0 .. N
// count as not free and of no type, and are never written.
#include "grid/completion_pass.h"

#include "app/error_codes.h"

namespace scenario {
namespace {

constexpr int16_t kReducedCode = 180;
constexpr int kLookBack = 20;
constexpr int16_t kSlowSlowdown = 110;
constexpr int kSpacing = 8;
constexpr int kEndSearch = 13;  // the end cell and the 12 after it

class CompletionPass {
 public:
  explicit CompletionPass(GeneratorState& state) : state_(state), grid_(state.grid) {}

  void Run() {
    const int64_t last = grid_.last_index() - 2;  // taken once, before the loop
    for (int64_t i = 1; i <= last; ++i) {
      if (grid_.TypeAt(i) == kSlowdownWarning) ReduceBeforeSignals(i);
      if (grid_.TypeAt(i) == kSlowdownStart) ReduceAroundSlowdown(i);
    }
  }

 private:
  void Place(int64_t c) {
    Cell& cell = grid_.at(c);
    cell.cell_type = kCodeReduction;
    cell.value_a = kReducedCode;
  }

  bool PlaceIfFree(int64_t c) {
    if (!grid_.IsFree(c)) return false;
    Place(c);
    return true;
  }

  bool LowerIfReduction(int64_t c) {
    if (grid_.TypeAt(c) != kCodeReduction) return false;
    grid_.at(c).value_a = static_cast<int16_t>(minimo(kReducedCode, grid_.at(c).value_a));
    return true;
  }

  // Every signal up to 20 cells before a warning board (never below cell 3)
  // gets a reduction in one of the two cells in front of it.
  void ReduceBeforeSignals(int64_t i) {
    for (int64_t a = 1; a <= kLookBack && i - a >= 3; ++a) {
      const int64_t j = i - a;
      if (grid_.TypeAt(j) != kSignal) continue;
      if (PlaceIfFree(j - 1) || PlaceIfFree(j - 2) || LowerIfReduction(j - 1) ||
          LowerIfReduction(j - 2)) {
        continue;
      }
      state_.SetError(kErrorReductionBeforeSignal, static_cast<int32_t>(j * 50));
    }
  }

  void ReduceAroundSlowdown(int64_t i) {
    ReduceInWindow(i, 7, 5);
    ReduceInWindow(i, 13, 11);
    ReduceInWindow(i, 20, 18);
    if (grid_.at(i).value_a >= kSlowSlowdown) return;  // fast: no walk, no reduction after the end
    int64_t end = 0;
    if (WalkToEnd(i, &end)) ReduceAfterEnd(end);
  }

  // Window of three cells i - nearest .. i - farthest, used only when
  // i > farthest; the first free cell takes the reduction.
  void ReduceInWindow(int64_t i, int64_t farthest, int64_t nearest) {
    if (i <= farthest) return;
    for (int64_t c = i - nearest; c >= i - farthest; --c) {
      if (PlaceIfFree(c)) return;
    }
    state_.SetError(kErrorReductionWindow, static_cast<int32_t>(i * 50));
  }

  // A reduction every 8 cells from the start; a displaced one moves the
  // count so that the next lands 8 cells after it. Returns true with the end
  // cell when a slowdown_end was met, false when the walk reached cell N.
  bool WalkToEnd(int64_t i, int64_t* end) {
    const int64_t n = grid_.last_index();
    int64_t s = 0;
    for (int64_t k = i + 1;; ++k) {
      ++s;
      if (s == kSpacing) {
        if (PlaceIfFree(k)) {
          s = 0;
        } else if (PlaceIfFree(k - 1)) {
          s = 1;
        } else if (PlaceIfFree(k + 1)) {
          s = -1;
        } else {
          // s stays 8 and runs on: no further reduction in this slowdown.
          state_.SetError(kErrorSpacedReduction, static_cast<int32_t>(k * 50));
        }
      }
      if (grid_.TypeAt(k) == kSlowdownEnd) {
        *end = k;
        return true;
      }
      if (k >= n) {
        state_.SetError(kErrorSpacedReduction, static_cast<int32_t>(n * 50));
        return false;
      }
    }
  }

  // The first signal from the end cell on (13 cells, not beyond N) gets a
  // reduction in front of it.
  void ReduceAfterEnd(int64_t k) {
    const int64_t n = grid_.last_index();
    int64_t q = 0;
    for (int64_t b = k; b < k + kEndSearch && b <= n; ++b) {
      if (grid_.TypeAt(b) == kSignal) {
        q = b - 1;
        break;
      }
    }
    if (q <= 0) return;
    if (PlaceIfFree(q) || PlaceIfFree(q - 1)) return;
    state_.SetError(kErrorSpacedReduction, static_cast<int32_t>(k * 50));
  }

  GeneratorState& state_;
  TrackGrid& grid_;
};

}  // namespace

int32_t minimo(int32_t a, int32_t b) { return a > b ? b : a; }

void CompleteGrid(GeneratorState& state) { CompletionPass(state).Run(); }

}  // namespace scenario
