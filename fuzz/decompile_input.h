// The decompile fuzzer's input and check, shared with the regression test
// that replays what it found. The input mutates the files of a small
// compiled scenario (one of a few, compiled once): its first byte picks the
// scenario and whether the route file comes with it, every following group
// of four bytes sets one byte (a 24-bit offset into the files laid end to
// end, then the value), and a group whose offset has the top bit set cuts
// the grid file there instead. Opening must never crash, and an "exact"
// must be borne out by compiling the texts again and comparing the bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/generator_state.h"
#include "bench/random_descriptions.h"
#include "tools/common/decompile_check.h"
#include "tools/common/decompile_files.h"

namespace scenario::fuzzing {

struct Base {
  std::string route, scenario, grid;
};

inline std::vector<Base> MakeBases() {
  std::vector<Base> bases;
  std::mt19937_64 random(7304);
  while (bases.size() < 6) {
    const bench::RandomScenario texts = bench::RandomDescriptions(random);
    if (texts.route_length > 12000) continue;  // small files mutate better
    CompiledBytes made = CompileDescriptions(texts.line, texts.train, kRouteName, kTrainNumber, true);
    if (!made.written || made.error_code != 0) continue;
    bases.push_back({std::move(*made.route), std::move(made.scenario), std::move(made.grid)});
  }
  return bases;
}

// What is broken after opening the mutated files: "" when nothing.
inline std::string OpenMutated(const std::vector<Base>& bases, const uint8_t* data, size_t size) {
  if (size < 1) return "";
  const Base& base = bases[data[0] % bases.size()];
  const bool with_route = (data[0] / bases.size()) % 4 == 0;
  std::string route = with_route ? base.route : "";
  std::string sim = base.scenario, grid = base.grid;
  for (size_t at = 1; at + 4 <= size; at += 4) {
    const uint32_t offset = data[at] | data[at + 1] << 8 | (data[at + 2] & 0x7f) << 16;
    if (data[at + 2] & 0x80) {
      grid.resize(offset % (grid.size() + 16));
      continue;
    }
    const size_t total = route.size() + sim.size() + grid.size();
    if (total == 0) break;
    size_t place = offset % total;
    std::string* file = &route;
    if (place >= route.size()) {
      place -= route.size();
      file = &sim;
      if (place >= sim.size()) {
        place -= sim.size();
        file = &grid;
      }
    }
    (*file)[place] = static_cast<char>(data[at + 3]);
  }

  CompiledScenario files;
  std::optional<std::string> route_bytes;
  if (with_route) route_bytes = route;
  if (!DecodeCompiledScenario(route_bytes, sim, grid, &files).ok()) return "";
  DecompiledTexts texts;
  const RoundTrip trip = DecompileAndCheck(files, &texts);
  if (!trip.exact) return "";
  // The claim, checked apart from the check that made it.
  const CompiledBytes again = CompileDescriptions(texts.line, texts.train, files.scenario[kRouteRow].name,
                                                  files.scenario[kTrainRow].name, with_route);
  if (!again.written || again.scenario != sim || again.grid != grid ||
      (with_route && again.route != route)) {
    return "\"round trip exact\" that the recompile does not bear out";
  }
  return "";
}

}  // namespace scenario::fuzzing
