#include "tools/common/decompile_reductions.h"

#include <algorithm>

#include "app/generator_state.h"
#include "grid/completion_pass.h"
#include "tools/common/decompile_text.h"

namespace scenario {

namespace {

constexpr int16_t kPassCode = 180;
constexpr int kMostSteps = 256;
// How far from a misplaced reduction a record that would move it may lie:
// the pass looks 20 cells back from a warning board.
constexpr int64_t kReach = 24;

bool PassReduction(const Cell& cell) {
  return cell.cell_type == kCodeReduction && cell.value_a == kPassCode;
}

// The cells where the pass, run on `before`, leaves what `cells` does not
// hold (cell 1's values are the stamp's, set after the pass).
std::vector<int64_t> Differences(GeneratorState& state, const std::vector<Cell>& before,
                                 const std::vector<Cell>& cells) {
  state.grid.cells() = before;
  CompleteGrid(state);
  std::vector<int64_t> differences;
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& made = state.grid.cells()[i];
    if (made.cell_type != cells[i].cell_type || (made.value_a != cells[i].value_a && i != 1)) {
      differences.push_back(static_cast<int64_t>(i));
    }
  }
  return differences;
}

void MakeRecord(std::vector<Cell>& before, int64_t i) {
  before[static_cast<size_t>(i)].cell_type = kCodeReduction;
  before[static_cast<size_t>(i)].value_a = kPassCode;
}

}  // namespace

void AppendCodeReductions(const CompiledScenario& files, std::string* out,
                          std::vector<std::string>* notes) {
  const std::vector<Cell>& cells = files.cells;
  GeneratorState state;
  state.grid.Size(files.scenario[kRunRow].span_end);
  if (state.grid.cell_count() != static_cast<int64_t>(cells.size())) return;  // refused before
  // The grid as the readers left it: every code 180 reduction taken out, then
  // given back as a record where the pass does not place it again. Where
  // the pass places one that the files lack, a record the pass stepped
  // around was taken out: the nearby one that leaves the fewest differences
  // is given back.
  std::vector<Cell> before = cells;
  for (Cell& cell : before) {
    if (PassReduction(cell)) {
      cell.cell_type = kEmpty;
      cell.value_a = 0;
    }
  }
  std::vector<int64_t> differences = Differences(state, before, cells);
  for (int step = 0; step < kMostSteps && !differences.empty(); ++step) {
    std::vector<int64_t> missing, extra;
    for (int64_t i : differences) {
      const bool taken_out = PassReduction(cells[static_cast<size_t>(i)]) &&
                             before[static_cast<size_t>(i)].cell_type == kEmpty;
      (taken_out && !PassReduction(state.grid.cells()[static_cast<size_t>(i)]) ? missing : extra).push_back(i);
    }
    if (extra.empty()) {
      for (int64_t i : missing) MakeRecord(before, i);
      differences = Differences(state, before, cells);
      continue;
    }
    std::vector<Cell> best;
    size_t fewest = differences.size();
    for (int64_t e : extra) {
      for (int64_t c = std::max<int64_t>(0, e - kReach); c <= e + kReach && c < state.grid.cell_count(); ++c) {
        if (!PassReduction(cells[static_cast<size_t>(c)]) || before[static_cast<size_t>(c)].cell_type != kEmpty) continue;
        std::vector<Cell> trial = before;
        MakeRecord(trial, c);
        const size_t left = Differences(state, trial, cells).size();
        if (left < fewest) {
          fewest = left;
          best = std::move(trial);
        }
      }
      if (!best.empty()) break;
    }
    if (best.empty()) break;
    before = std::move(best);
    differences = Differences(state, before, cells);
  }
  if (!differences.empty()) {
    notes->push_back("grid cell " + std::to_string(differences.front()) +
                     ": the completion pass would place or lower a code reduction here");
  }
  AppendComment(out, "Code reductions: position and code; a code of 0 marks code zero.");
  for (size_t i = 0; i < before.size(); ++i) {
    const Cell& cell = before[i];
    if (cell.cell_type != kCodeReduction && cell.cell_type != kCodeZero) continue;
    // A code whose low 16 bits are 0 or negative is written 65536 higher, to
    // stay a code above 0.
    const int64_t code = cell.cell_type == kCodeZero ? 0
                         : cell.value_a > 0        ? cell.value_a
                                                   : int64_t{cell.value_a} + 65536;
    if (cell.cell_type == kCodeZero && cell.value_a != 0 && i != 1) {
      notes->push_back("grid cell " + std::to_string(i) + ": a code-zero mark that carries a value");
    }
    AppendLine(out, "abbattimento codice, %9lld, %6lld", static_cast<long long>(i) * 50,
               static_cast<long long>(code));
  }
}

}  // namespace scenario
