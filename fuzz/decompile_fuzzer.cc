// Fuzz target: opening compiled scenarios from mutated files
// (fuzz/decompile_input.h). A broken claim aborts, which the fuzzer reports
// like a crash, with the input that caused it.
#include <cstdio>
#include <cstdlib>

#include "fuzz/decompile_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<scenario::fuzzing::Base> bases = scenario::fuzzing::MakeBases();
  const std::string broken = scenario::fuzzing::OpenMutated(bases, data, size);
  if (!broken.empty()) {
    std::fprintf(stderr, "decompile_fuzzer: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
