// The picture of a compiled scenario: the plan of the track from the route
// file and, under it, the profile along the route (lineside objects, speed
// limit, gradient, adhesion, tunnels) over a kilometre-chainage axis. One
// standalone SVG document.
#pragma once

#include <string>

#include "tools/inspect/scenario_folder.h"

namespace scenario {

std::string RenderScenarioSvg(const ScenarioFolder& folder);

}  // namespace scenario
