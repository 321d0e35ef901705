// The proof of a decompile: the texts are compiled in memory, as the
// packager compiles them, and the files compared byte for byte. A
// difference is named by file, offset and field.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/generator_state.h"
#include "tools/common/decompile.h"

namespace scenario {

// The files two description texts compile to, in memory, as the packager
// compiles them (no file is written).
// The route file is compared piece by piece from the table (5 MB a
// carried route, 20 MB the longest) and encoded whole only when asked for.
struct CompiledBytes {
  bool written = false;     // false: no grid was sized, or a stamp guard failed
  int32_t error_code = 0;
  int32_t fatal = 0;        // 1250 or 1251
  std::optional<std::string> route;  // only with a route file, when asked for
  std::string scenario;
  std::string grid;
  std::unique_ptr<GeneratorState> state;  // what was compiled, the route table with it
};
CompiledBytes CompileDescriptions(const std::string& line, const std::string& train,
                                  const std::string& route_name, const std::string& train_number,
                                  bool route_file, bool encode_route = true);

struct RoundTrip {
  bool exact = false;
  int files = 0;      // the files compared: 3, or 2 without a route file
  size_t bytes = 0;   // their bytes together
  int32_t error_code = 0;  // what the compile of the texts recorded
  std::vector<std::string> differences;  // "<file>: offset N (...): ..."
};

RoundTrip CheckRoundTrip(const CompiledScenario& files, const DecompiledTexts& texts);

// Decompiles and checks, trying the other order of the records that leave
// approach marks when the first does not give the files back. `texts` gets
// the exact texts, or the closest.
RoundTrip DecompileAndCheck(const CompiledScenario& files, DecompiledTexts* texts);

}  // namespace scenario
