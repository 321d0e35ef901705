// The grid completion pass: the code reductions that slowdowns bring with
// them (errors 11 to 13).
#pragma once

#include <cstdint>

#include "app/generator_state.h"

namespace scenario {

int32_t minimo(int32_t a, int32_t b);
void CompleteGrid(GeneratorState& state);

}  // namespace scenario
