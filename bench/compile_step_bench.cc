// The whole compile step, memorizza_percorso, writing its three files into a
// scratch folder: on the carried texts and on the longest generated line.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/compile_step.h"
#include "bench/bench_texts.h"

namespace scenario::bench {
namespace {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "scenario-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Argument: the route length of a generated line, 0 for the carried texts.
void BM_CompileStep(benchmark::State& state) {
  const DescriptionTexts& texts =
      state.range(0) == 0 ? CarriedTexts() : GeneratedTexts(static_cast<int32_t>(state.range(0)));
  ScratchFolder folder;
  if (folder.path().empty()) {
    state.SkipWithError("no scratch folder");
    return;
  }
  FreshFileWriter writer;
  size_t written = 0;
  for (auto _ : state) {
    GeneratorState s;
    s.route_name = kRouteName;
    s.train_number = kTrainNumber;
    MemorySource source(texts.line, texts.train);
    CompileResult result = memorizza_percorso(s, 1, source, folder.path(), writer);
    if (!result.status.ok() || s.error_code != 0) {
      state.SkipWithError(("the compile ended with error code " + std::to_string(s.error_code)).c_str());
      break;
    }
    written = result.written.size();
  }
  size_t bytes = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    bytes += static_cast<size_t>(entry.file_size());
  }
  state.SetLabel(texts.label + ", " + std::to_string(written) + " files");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_CompileStep)->Arg(0)->Arg(kLongestRouteLength)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scenario::bench
