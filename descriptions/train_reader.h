// The train description reader: the second half of memorizza_dati.
#pragma once

#include "app/generator_state.h"
#include "descriptions/description_source.h"

namespace scenario {

// Reads the train description from the source into the state. Throws
// DescriptionFailure for the common failure path.
void ReadTrainDescription(GeneratorState& state, DescriptionSource& source);

}  // namespace scenario
