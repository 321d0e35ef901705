// The picture of a compiled scenario: the plan of the track from the route
// file and, under it, the profile along the route (lineside objects, speed
// limit, gradient, adhesion, tunnels) over a kilometre-chainage axis. One
// standalone SVG document.
#pragma once

#include <string>
#include <vector>

#include "tools/common/scenario_folder.h"

namespace scenario {

// With `failure` lines, a red band above the picture shows them (the first
// as its heading): the scenario drawn is not what the lines are about.
std::string RenderScenarioSvg(const ScenarioFolder& folder,
                              const std::vector<std::string>& failure = {});
// The band alone, when there is no scenario to draw.
std::string RenderFailureSvg(const std::vector<std::string>& failure);

}  // namespace scenario
