// The three encoders, on the tables of the longest line.
#include <benchmark/benchmark.h>

#include "app/generator_state.h"
#include "bench/bench_texts.h"
#include "grid/grid_file.h"
#include "records/route_table.h"
#include "records/scenario_table.h"

namespace scenario::bench {
namespace {

// Rows 0 and 1 as 16-bit integers, the rest reals, the last two empty: the
// shape the line reader leaves, with a curve of 900 m every 3000 m as on the
// generated line. Encoding computes every row twice, once for each column.
RouteTable LongestRouteTable() {
  RouteTable route;
  const int64_t last = int64_t{kLongestRouteLength} + 7000;
  route.Size(last);
  route.SetOrigin();
  const double kTurns[] = {0.0001, -0.0002, 0.0004, -0.001, 0.002, -0.003};
  for (int64_t start = 500, k = 0; start < kLongestRouteLength; start += 3000, ++k) {
    route.Extend(start, 0.0);
    route.Extend(start + 900, kTurns[k % 6]);
  }
  route.Extend(last - 2, 0.0);
  return route;
}

void BM_EncodeRouteFile(benchmark::State& state) {
  const RouteTable route = LongestRouteTable();
  size_t size = 0;
  for (auto _ : state) {
    std::string bytes;
    route.Encode(&bytes);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}
BENCHMARK(BM_EncodeRouteFile)->Unit(benchmark::kMillisecond);

// The same bytes as the compile step writes them: piece by piece into one
// reused buffer. Argument: the piece size in KiB.
void BM_EncodeRouteFilePieces(benchmark::State& state) {
  const RouteTable route = LongestRouteTable();
  const size_t piece_bytes = static_cast<size_t>(state.range(0)) << 10;
  size_t size = 0;
  for (auto _ : state) {
    RouteFilePieces pieces(route, piece_bytes);
    size = 0;
    for (std::string_view piece = pieces.NextPiece(); !piece.empty(); piece = pieces.NextPiece()) {
      size += piece.size();
      benchmark::DoNotOptimize(piece.data());
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}
BENCHMARK(BM_EncodeRouteFilePieces)->Arg(64)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_EncodeGridFile(benchmark::State& state) {
  TrackGrid grid;
  grid.Size(kLongestRouteLength);
  for (int64_t i = 0; i < grid.cell_count(); ++i) {
    Cell& cell = grid.at(i);
    cell.cell_type = static_cast<uint8_t>(i % 15);
    cell.value_a = static_cast<int16_t>(i);
    cell.gradient = 100;
    cell.speed_limit = 30;
  }
  size_t size = 0;
  for (auto _ : state) {
    std::string bytes = EncodeGridFile(grid);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}
BENCHMARK(BM_EncodeGridFile)->Unit(benchmark::kMicrosecond);

// The 87 rows, every stop and board row named as the carried ones are.
void BM_EncodeScenarioFile(benchmark::State& state) {
  ScenarioTable table;
  table.Reset();
  for (int row = 0; row < kScenarioRowCount; ++row) {
    table[row].span_start = row * 1000;
    table[row].name = row % 3 == 0 ? "" : "FERMATA " + std::to_string(row);
  }
  table[kRouteRow].name = kRouteName;
  table[kTrainRow].name = kTrainNumber;
  size_t size = 0;
  for (auto _ : state) {
    std::string bytes = EncodeScenarioFile(table);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}
BENCHMARK(BM_EncodeScenarioFile);

}  // namespace
}  // namespace scenario::bench
