// Form_Load: the packager's whole run in its folder.
#pragma once

#include <filesystem>

#include "app/attachment.h"
#include "app/generator_state.h"
#include "app/platform.h"
#include "records/fresh_file.h"

namespace scenario {

// Exit statuses: 0 the run ended with error code 0; 1 it ended with another
// error code (the files are written); 2 after a fatal report or a failure.
inline constexpr int kExitClean = 0;
inline constexpr int kExitErrorCode = 1;
inline constexpr int kExitFailure = 2;

// Runs the start sequence for the scenario; returns the exit status.
// Messages go to stderr.
int Form_Load(GeneratorState& state, const std::filesystem::path& folder,
              const PackagedScenario& scenario, Platform& platform, FreshFileWriter& writer);
// The same for the carried scenario.
int Form_Load(GeneratorState& state, const std::filesystem::path& folder, Platform& platform,
              FreshFileWriter& writer);

// The fatal report's text for an error number.
std::string FatalMessage(const std::string& number);

}  // namespace scenario
