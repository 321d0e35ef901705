// Fuzz target: the whole compile step on a line description and a train
// description (split at the first NUL byte), checked against the invariants
// after every input. A broken invariant aborts, which the fuzzer reports
// like a crash, with the input that caused it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/compile_invariants.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scenario::fuzzing;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const DescriptionPair pair = SplitInput(input);

  // The write-files flag follows the input's length: the packager's run (1)
  // builds and encodes a route table of at least 7001 rows, which costs more
  // than all the rest, so one input in eight gets it and the others run
  // without route table (0), where the line reader passes curves over. Only
  // the route table needs the route kept short; a grid has 20001 cells at most.
  const int32_t build_route_table = size % 8 == 0 ? 1 : 0;
  if (build_route_table == 1 && MayAskForLongRoute(pair.line, kLongestFuzzedRoute)) {
    return -1;  // not added to the corpus
  }
  auto run = CompileInMemory(std::string(pair.line), std::string(pair.train), build_route_table);
  std::vector<std::string> broken = BrokenInvariants(*run);

  // Two compiles that must agree, each on a share of the inputs: the
  // observer that authoring tools attach changes nothing; and without a
  // curve record the write-files flag changes nothing but the route file.
  if (size % 8 == 1) {
    auto unobserved = CompileInMemory(std::string(pair.line), std::string(pair.train), 0, false);
    if (!SameOutcome(*run, *unobserved)) broken.push_back("the observer changed the compile");
  }
  if (build_route_table == 1 && !scenario::ContainsAnyCase(pair.line, "curva")) {
    auto without_route = CompileInMemory(std::string(pair.line), std::string(pair.train), 0);
    if (!SameOutcome(*run, *without_route)) broken.push_back("the write-files flag changed the compile");
  }

  if (!broken.empty()) {
    std::fprintf(stderr, "compile invariants broken (error code %d, position %d):\n",
                 run->state.error_code, run->state.error_position);
    for (const std::string& what : broken) std::fprintf(stderr, "  %s\n", what.c_str());
    std::abort();
  }
  return 0;
}
