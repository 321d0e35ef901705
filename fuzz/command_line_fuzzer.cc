// Fuzz target: whole command lines of scenario-compile (options, route
// names, the kinds of paths given for the descriptions, OUTDIR, the report
// and the picture, and the descriptions themselves), run in a scratch
// folder and checked against command_line_invariants.h. A broken invariant
// aborts, which the fuzzer reports like a crash, with the input.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "fuzz/command_line_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scenario::fuzzing;
  // One scratch folder a process, removed when it ends.
  struct Scratch {
    Scratch() {
      std::string pattern = (fs::temp_directory_path() / "command-line-fuzz-XXXXXX").string();
      folder = mkdtemp(pattern.data());
    }
    ~Scratch() {
      std::error_code ignored;
      fs::remove_all(folder, ignored);
    }
    fs::path folder;
  };
  static const Scratch scratch;
  const CommandLineCase c = DecodeCommandLine(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::vector<std::string> broken = RunCommandLine(c, scratch.folder / "run").broken;
  if (!broken.empty()) {
    std::fprintf(stderr, "command-line invariants broken:\n");
    for (const std::string& what : broken) std::fprintf(stderr, "  %s\n", what.c_str());
    std::abort();
  }
  return 0;
}
