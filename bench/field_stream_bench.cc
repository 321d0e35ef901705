// The field stream on its own: every field of a description read as text,
// and the record mix the readers use (a keyword field, then numbers).
#include <benchmark/benchmark.h>

#include "bench/bench_texts.h"
#include "descriptions/field_stream.h"

namespace scenario::bench {
namespace {

const std::string& SampleText() {
  static const std::string text = [] {
    const DescriptionTexts& t = GeneratedTexts(kLongestRouteLength);
    return t.line + t.train;
  }();
  return text;
}

void BM_FieldStreamAllFields(benchmark::State& state) {
  const std::string& text = SampleText();
  for (auto _ : state) {
    FieldStream stream(text);
    size_t fields = 0;
    while (!stream.AtEnd()) {
      benchmark::DoNotOptimize(stream.ReadField());
      ++fields;
    }
    benchmark::DoNotOptimize(fields);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_FieldStreamAllFields);

// Curve records, "curvad2,   500,  300": one keyword field, two numbers.
void BM_FieldStreamRecords(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 20000; ++i) {
    text += "curvad" + std::to_string(1 + i % 6) + ",   " + std::to_string(500 + 3000 * i) +
            ",  900\r\n";
  }
  for (auto _ : state) {
    FieldStream stream(text);
    int64_t sum = 0;
    while (!stream.AtEnd()) {
      std::string keyword = stream.ReadField();
      sum += static_cast<int64_t>(keyword.size()) + stream.ReadInt32() + stream.ReadInt32();
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_FieldStreamRecords);

}  // namespace
}  // namespace scenario::bench
