// Opening compiled scenarios: the carried scenario opened (decoded, written
// back as texts and proved by compiling them again) against compiling it,
// and generated pairs compiled, opened and proved one after another.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/generator_state.h"
#include "bench/bench_texts.h"
#include "bench/random_descriptions.h"
#include "tools/common/decompile_check.h"
#include "tools/common/decompile_command.h"
#include "tools/common/decompile_files.h"

namespace scenario::bench {
namespace {

void BM_CompileCarriedInMemory(benchmark::State& state) {
  const DescriptionTexts& texts = CarriedTexts();
  for (auto _ : state) {
    CompiledBytes made = CompileDescriptions(texts.line, texts.train, kRouteName, kTrainNumber, true);
    benchmark::DoNotOptimize(made.grid.data());
  }
}
BENCHMARK(BM_CompileCarriedInMemory)->Unit(benchmark::kMillisecond);

void BM_OpenCarried(benchmark::State& state) {
  const DescriptionTexts& texts = CarriedTexts();
  const CompiledBytes made = CompileDescriptions(texts.line, texts.train, kRouteName, kTrainNumber, true);
  for (auto _ : state) {
    CompiledScenario files;
    if (!DecodeCompiledScenario(made.route, made.scenario, made.grid, &files).ok()) {
      state.SkipWithError("the carried files do not decode");
      return;
    }
    DecompiledTexts opened;
    const RoundTrip trip = DecompileAndCheck(files, &opened);
    if (!trip.exact) {
      state.SkipWithError("the carried scenario does not round-trip");
      return;
    }
  }
}
BENCHMARK(BM_OpenCarried)->Unit(benchmark::kMillisecond);

// The command itself, as BM_CompileStep runs the compile step: the three
// files read from a folder, the texts proved and written into another.
void BM_OpenCarriedFolder(benchmark::State& state) {
  const DescriptionTexts& texts = CarriedTexts();
  const CompiledBytes made = CompileDescriptions(texts.line, texts.train, kRouteName, kTrainNumber, true);
  std::string pattern = (std::filesystem::temp_directory_path() / "scenario-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    state.SkipWithError("no scratch folder");
    return;
  }
  const std::filesystem::path folder = pattern;
  std::ofstream(folder / "Corvena_Lidra1_linea.dat", std::ios::binary) << *made.route;
  std::ofstream(folder / "Corvena_Lidra1_7304.sim", std::ios::binary) << made.scenario;
  std::ofstream(folder / "Corvena_Lidra1_7304.dat", std::ios::binary) << made.grid;
  const std::filesystem::path files = folder;
  for (auto _ : state) {
    std::ostringstream out, err;
    DecompileOptions options{(folder / "opened").string(), "", "", {files.string()}};
    if (RunDecompile(options, out, err) != kDecompileExact) {
      state.SkipWithError("the carried scenario does not round-trip");
      break;
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_OpenCarriedFolder)->Unit(benchmark::kMillisecond);

// Argument: the pairs drawn. Counts the pairs that compiled with error code
// 0 and the ones of them that came back exact (they must be the same).
void BM_RoundTripGenerated(benchmark::State& state) {
  int64_t clean = 0, exact = 0;
  for (auto _ : state) {
    std::mt19937_64 random(static_cast<uint64_t>(state.iterations()) + 1);
    for (int64_t pair = 0; pair < state.range(0); ++pair) {
      const RandomScenario texts = RandomDescriptions(random);
      const CompiledBytes made = CompileDescriptions(texts.line, texts.train, kRouteName, kTrainNumber, true);
      if (!made.written || made.error_code != 0) continue;
      ++clean;
      CompiledScenario files;
      if (!DecodeCompiledScenario(made.route, made.scenario, made.grid, &files).ok()) continue;
      DecompiledTexts opened;
      if (DecompileAndCheck(files, &opened).exact) ++exact;
    }
  }
  state.counters["clean_pairs"] = static_cast<double>(clean);
  state.counters["exact"] = static_cast<double>(exact);
  if (exact != clean) state.SkipWithError("a pair compiled with error code 0 did not round-trip");
}
BENCHMARK(BM_RoundTripGenerated)->Arg(2000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace scenario::bench
