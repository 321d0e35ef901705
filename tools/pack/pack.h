// scenario-pack: compiles an author's descriptions with scenario-compile's
// diagnostics and, when they compile clean, writes a packager that carries
// them: a copy of the plain packager with the scenario attached
// (app/attachment.h).
#pragma once

#include <ostream>

#include "tools/pack/pack_options.h"

namespace scenario {

// Returns the exit status; diagnostics and messages go to err. Nothing is
// written at PACKAGER unless the status is kPackWritten.
int RunPack(const PackOptions& options, std::ostream& err);

}  // namespace scenario
