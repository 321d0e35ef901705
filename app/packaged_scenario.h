// The scenario one packager run writes and compiles: the carried one, or the
// one scenario-pack attached to this executable.
#pragma once

#include <filesystem>

#include "app/attachment.h"
#include "app/status.h"

namespace scenario {

// The carried scenario: the route name and train number of the program and
// the five carried documents as the emitters write them.
PackagedScenario CarriedScenario();

// The scenario of the executable at that path: the attached one when it
// carries an intact attachment, the carried one when it carries none. Not
// ok, saying why, when the attachment is damaged or the file cannot be
// read: the run must then write nothing. The message names the executable
// as `shown` (the path itself when empty).
Status ScenarioOfExecutable(const std::filesystem::path& executable, PackagedScenario* scenario,
                            const std::filesystem::path& shown = {});

}  // namespace scenario
