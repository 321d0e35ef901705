// memorizza_dati: both description readers and their common failure path.
#pragma once

#include "app/generator_state.h"
#include "descriptions/description_source.h"

namespace scenario {

void memorizza_dati(GeneratorState& state, DescriptionSource& source);

}  // namespace scenario
