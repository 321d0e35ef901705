// The completion pass on the longest grid, full of slowdowns: a signal every
// 20 cells and, between two signals, a slow or a fast slowdown with its
// warning board.
#include <benchmark/benchmark.h>

#include "bench/bench_texts.h"
#include "grid/cell_writers.h"
#include "grid/completion_pass.h"

namespace scenario::bench {
namespace {

GeneratorState GridFullOfSlowdowns(int32_t route_length) {
  GeneratorState s;
  s.grid.Size(route_length);
  for (int32_t p = 2000; p + 1500 < route_length; p += 1000) {
    // Signal in cell p / 50 + 1, slowdown start 6 cells later, end 3 cells
    // after that; the warning board lies 24 cells before the start.
    int32_t sx = 2, s1 = 4, s2 = 0, s3 = 0, rapp = 0, dx = 2, d1 = 1, d2 = 0, d3 = 0, tempo = 0;
    memo_segnale(s, p, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo);
    int32_t v = (p / 1000) % 2 == 0 ? 60 : 120, l = 150, f_tt = 1, d_v = 0;
    memo_rallentamento(s, p + 300, v, l, f_tt, 0, d_v);
  }
  return s;
}

void BM_CompletionPass(benchmark::State& state) {
  const GeneratorState full = GridFullOfSlowdowns(kLongestRouteLength);
  for (auto _ : state) {
    state.PauseTiming();
    GeneratorState s = full;
    state.ResumeTiming();
    CompleteGrid(s);
    benchmark::DoNotOptimize(s.grid.cells().data());
  }
  state.counters["cells"] = static_cast<double>(full.grid.cell_count());
  state.counters["error_code"] = full.error_code;
}
BENCHMARK(BM_CompletionPass)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scenario::bench
