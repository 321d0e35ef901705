#include "tools/common/decompile_check.h"

#include <algorithm>

#include "app/compile_step.h"
#include "app/error_codes.h"
#include "descriptions/description_source.h"
#include "descriptions/read_descriptions.h"
#include "grid/completion_pass.h"
#include "grid/grid_file.h"
#include "records/route_table.h"
#include "records/stamp.h"
#include "tools/common/decompile_diff.h"

namespace scenario {

namespace {

size_t FirstDifference(const std::string& a, const std::string& b) {
  const size_t common = std::min(a.size(), b.size());
  const auto [left, right] = std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(common),
                                           b.begin());
  return static_cast<size_t>(left - a.begin());
}

// The route file's pieces against the bytes: nothing when every piece
// matches, else the bytes up to the first difference and the one byte the
// pieces have there (nothing more when they end there).
std::optional<std::string> Differing(const std::string& bytes, ByteSource& pieces) {
  size_t at = 0;
  for (std::string_view piece = pieces.NextPiece(); !piece.empty(); piece = pieces.NextPiece()) {
    const std::string_view original = std::string_view(bytes).substr(std::min(at, bytes.size()), piece.size());
    if (original != piece) {
      const size_t common = std::min(original.size(), piece.size());
      size_t i = 0;
      while (i < common && original[i] == piece[i]) ++i;
      std::string made = bytes.substr(0, at + i);
      if (i < piece.size()) made.push_back(piece[i]);
      return made;
    }
    at += piece.size();
  }
  if (at == bytes.size()) return std::nullopt;
  return bytes.substr(0, at);
}

}  // namespace

CompiledBytes CompileDescriptions(const std::string& line, const std::string& train,
                                  const std::string& route_name, const std::string& train_number,
                                  bool route_file, bool encode_route) {
  CompiledBytes made;
  made.state = std::make_unique<GeneratorState>();
  GeneratorState& state = *made.state;
  state.route_name = route_name;
  state.train_number = train_number;
  state.build_route_table = route_file ? 1 : 0;
  state.error_code = 0;
  state.scenario.Reset();
  MemorySource source(line, train);
  memorizza_dati(state, source);
  made.error_code = state.error_code;
  if (!state.grid.sized() || (route_file && !state.route.sized())) return made;
  CompleteGrid(state);
  made.error_code = state.error_code;  // the pass records its own (11 to 13)
  made.fatal = StampScenario(state);
  if (made.fatal != 0) return made;
  if (route_file && encode_route) made.route = EncodeRouteFile(state);
  made.scenario = EncodeScenarioFile(state.scenario);
  made.grid = EncodeGridFile(state.grid);
  made.written = true;
  return made;
}

RoundTrip CheckRoundTrip(const CompiledScenario& files, const DecompiledTexts& texts) {
  RoundTrip trip;
  CompiledBytes made = CompileDescriptions(texts.line, texts.train, files.scenario[kRouteRow].name,
                                           files.scenario[kTrainRow].name, files.has_route, false);
  trip.error_code = made.error_code;
  if (made.fatal != 0) {
    trip.differences.push_back("the written descriptions end in the fatal report " +
                               std::to_string(made.fatal) + ": no file is written");
    return trip;
  }
  if (!made.written) {
    trip.differences.push_back("the written descriptions size no grid: nothing to compare");
    return trip;
  }
  struct Pair {
    FileRole role;
    const std::string* original;
    std::optional<std::string> made;  // none: the same bytes
  };
  auto differing = [](const std::string& original, std::string made) -> std::optional<std::string> {
    if (original == made) return std::nullopt;
    return made;
  };
  std::vector<Pair> pairs;
  if (files.has_route) {
    RouteFilePieces pieces(made.state->route);
    pairs.push_back({FileRole::kRoute, &files.route_bytes, Differing(files.route_bytes, pieces)});
  }
  pairs.push_back({FileRole::kScenario, &files.scenario_bytes, differing(files.scenario_bytes, std::move(made.scenario))});
  pairs.push_back({FileRole::kGrid, &files.grid_bytes, differing(files.grid_bytes, std::move(made.grid))});
  trip.files = static_cast<int>(pairs.size());
  for (const Pair& pair : pairs) {
    trip.bytes += pair.original->size();
    if (!pair.made) continue;
    const size_t offset = FirstDifference(*pair.original, *pair.made);
    std::string why;
    if (trip.error_code != 0) {
      why = "the descriptions that come closest compile with error code " +
            std::to_string(trip.error_code) + " (" + ErrorCodeMeaning(trip.error_code) + "), so these files look written by a compile that " +
            "recorded an error code";
    } else if (!texts.notes.empty()) {
      why = texts.notes.front();
    } else {
      why = "no record gives this value: a hand-edited field";
    }
    trip.differences.push_back(DescribeDifference(files, pair.role, *pair.original, *pair.made, offset) +
                               ": " + why);
  }
  trip.exact = trip.differences.empty();
  return trip;
}

RoundTrip DecompileAndCheck(const CompiledScenario& files, DecompiledTexts* texts) {
  *texts = Decompile(files, MarkOrder::kStopsFirst);
  RoundTrip trip = CheckRoundTrip(files, *texts);
  if (trip.exact) return trip;
  DecompiledTexts other = Decompile(files, MarkOrder::kSignalsFirst);
  RoundTrip second = CheckRoundTrip(files, other);
  if (second.exact) {
    *texts = std::move(other);
    return second;
  }
  return trip;
}

}  // namespace scenario
