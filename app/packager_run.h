// Form_Load: the packager's whole run in its folder.
#pragma once

#include <filesystem>

#include "app/attachment.h"
#include "app/exit_status.h"
#include "app/generator_state.h"
#include "app/platform.h"
#include "records/fresh_file.h"

namespace scenario {

// Runs the start sequence for the scenario; returns the exit status:
// kExitSuccess when the run ended with error code 0, kExitErrorRecorded
// with another (the files are written), kExitFailure after a fatal report
// or a failure. Messages go to stderr.
ExitStatus Form_Load(GeneratorState& state, const std::filesystem::path& folder,
                     const PackagedScenario& scenario, Platform& platform, FreshFileWriter& writer);
// The same for the carried scenario.
ExitStatus Form_Load(GeneratorState& state, const std::filesystem::path& folder, Platform& platform,
                     FreshFileWriter& writer);

// The fatal report's text for an error number.
std::string FatalMessage(const std::string& number);

}  // namespace scenario
