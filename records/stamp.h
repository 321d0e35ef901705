// The stamp step: the format marks and the two check codes, guarded so that
// a scenario whose reserved fields are already taken is refused.
#pragma once

#include <cstdint>

#include "app/error_codes.h"
#include "app/generator_state.h"

namespace scenario {

inline constexpr int16_t kRouteFormatMark = 610;
inline constexpr int16_t kGridFormatMark = 5121;

// Returns 0, or the fatal number 1250 / 1251 when a guard fails (the state is
// then left as the guard found it, apart from the marks of the first guard).
int32_t StampScenario(GeneratorState& state);

}  // namespace scenario
