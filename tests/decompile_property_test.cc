// Every description pair that compiles with error code 0 opens again as
// texts that compile to the very same three files.
#include <gtest/gtest.h>

#include "app/generator_state.h"
#include "bench/random_descriptions.h"
#include "tools/common/decompile_check.h"
#include "tools/common/decompile_files.h"

namespace scenario {
namespace {

TEST(DecompilePropertyTest, EveryPairWithoutAnErrorRoundTripsExactly) {
  std::mt19937_64 random(20261209);
  int compiled = 0;
  for (int pair = 0; pair < 300; ++pair) {
    const bench::RandomScenario texts = bench::RandomDescriptions(random);
    const CompiledBytes made = CompileDescriptions(texts.line, texts.train, kRouteName, kTrainNumber, true);
    if (!made.written || made.error_code != 0) continue;
    ++compiled;
    CompiledScenario files;
    ASSERT_TRUE(DecodeCompiledScenario(made.route, made.scenario, made.grid, &files).ok());
    DecompiledTexts opened;
    const RoundTrip trip = DecompileAndCheck(files, &opened);
    ASSERT_TRUE(trip.exact) << "pair " << pair << ": " << trip.differences.front() << "\n--- line\n"
                            << texts.line << "\n--- train\n" << texts.train;
  }
  // Most pairs are laid out to compile cleanly; a generator that stopped
  // doing so would leave the property unchecked.
  EXPECT_GT(compiled, 200);
}

}  // namespace
}  // namespace scenario
