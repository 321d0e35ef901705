// The readable dump of a compiled file, one kind per source file.
#pragma once

#include <ostream>
#include <string>

#include "tools/common/file_kind.h"

namespace scenario {

void DumpInspectedFile(const InspectedFile& file, std::ostream& out);

void DumpScenarioFile(const InspectedFile& file, std::ostream& out);
void DumpGridFile(const InspectedFile& file, std::ostream& out);
void DumpRouteFile(const InspectedFile& file, std::ostream& out);

}  // namespace scenario
