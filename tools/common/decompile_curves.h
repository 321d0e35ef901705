// Curve records from the plan of the track: the turn of every computed row
// is found again from the two rows before it, and each run of rows with one
// turn is one curve record of that class and side.
#pragma once

#include <string>
#include <vector>

#include "records/route_file_decoder.h"

namespace scenario {

void AppendCurves(const RoutePlan& plan, std::string* out, std::vector<std::string>* notes);

}  // namespace scenario
