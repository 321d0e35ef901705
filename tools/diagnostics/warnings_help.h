// The help text of the warning switches, shown by every command that takes
// them (scenario-compile, scenario-pack).
#pragma once

#include <string>

namespace scenario {

// "Warnings (each silenced by -Wno-NAME, ...):" and one line per warning.
std::string WarningsHelp();

}  // namespace scenario
