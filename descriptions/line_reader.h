// The line description reader: the first half of memorizza_dati.
#pragma once

#include "app/generator_state.h"
#include "descriptions/description_source.h"

namespace scenario {

// Reads the line description from the source into the state. Returns true
// when the train description reader must run next (the end of the text, or
// an error 15), false when memorizza_dati ends here. Throws DescriptionFailure
// for the common failure path.
bool ReadLineDescription(GeneratorState& state, DescriptionSource& source);

// Reorders the chainage rows 81 to 83.
void progressive_ordina(ScenarioTable& table);

}  // namespace scenario
