// scenario-pack: compiles an author's descriptions with scenario-compile's
// diagnostics and, when they compile clean, writes a packager that carries
// them: a copy of the plain packager with the scenario attached
// (app/attachment.h).
#pragma once

#include <ostream>

#include "tools/pack/pack_options.h"

namespace scenario {

// Returns the exit status: kExitSuccess when the packager is written;
// kExitErrorRecorded when the descriptions recorded an error code, or a
// warning under --warnings-as-errors; kExitFailure when an input, the plain
// packager or the output failed. Diagnostics and messages go to err.
// Nothing is written at PACKAGER unless the status is kExitSuccess.
ExitStatus RunPack(const PackOptions& options, std::ostream& err);

}  // namespace scenario
