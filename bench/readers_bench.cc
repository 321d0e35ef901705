// The two description readers, each on its own.
#include <benchmark/benchmark.h>

#include "bench/bench_texts.h"
#include "descriptions/line_reader.h"
#include "descriptions/train_reader.h"

namespace scenario::bench {
namespace {

const DescriptionTexts& Texts(int64_t route_length) {
  return route_length == 0 ? CarriedTexts() : GeneratedTexts(static_cast<int32_t>(route_length));
}

GeneratorState FreshState(int32_t build_route_table) {
  GeneratorState s;
  s.route_name = kRouteName;
  s.train_number = kTrainNumber;
  s.build_route_table = build_route_table;
  s.scenario.Reset();
  return s;
}

// Argument: the route length of a generated line, 0 for the carried texts.
void BM_LineReader(benchmark::State& state) {
  const DescriptionTexts& texts = Texts(state.range(0));
  for (auto _ : state) {
    GeneratorState s = FreshState(1);
    MemorySource source(texts.line, texts.train);
    benchmark::DoNotOptimize(ReadLineDescription(s, source));
    if (s.error_code != 0) {
      state.SkipWithError("the line description did not read cleanly");
      break;
    }
  }
  // The route table keeps only its stretches (its rows are computed as the
  // route file is written), so this is the text read: bytes per second.
  state.SetLabel(texts.label);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(texts.line.size()));
}
BENCHMARK(BM_LineReader)->Arg(0)->Arg(kLongestRouteLength)->Unit(benchmark::kMillisecond);

// The train reader needs the line reader's grid: that is read once, without
// the route table, and copied for every run.
void BM_TrainReader(benchmark::State& state) {
  const DescriptionTexts& texts = Texts(state.range(0));
  GeneratorState after_line = FreshState(0);
  MemorySource line_source(texts.line, texts.train);
  ReadLineDescription(after_line, line_source);
  for (auto _ : state) {
    state.PauseTiming();
    GeneratorState s = after_line;
    MemorySource source(texts.line, texts.train);
    state.ResumeTiming();
    ReadTrainDescription(s, source);
    if (s.error_code != 0) {
      state.SkipWithError("the train description did not read cleanly");
      break;
    }
  }
  state.SetLabel(texts.label);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(texts.train.size()));
}
BENCHMARK(BM_TrainReader)->Arg(0)->Arg(kLongestRouteLength)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scenario::bench
