// The readable dump of a compiled file, one kind per source file.
#pragma once

#include <ostream>
#include <string>

#include "tools/inspect/file_kind.h"

namespace scenario {

void DumpInspectedFile(const InspectedFile& file, std::ostream& out);

void DumpScenarioFile(const InspectedFile& file, std::ostream& out);
void DumpGridFile(const InspectedFile& file, std::ostream& out);
void DumpRouteFile(const InspectedFile& file, std::ostream& out);

// A real with a fixed number of decimals ("12.35"), for the dump and the SVG.
std::string FixedText(double value, int decimals);

}  // namespace scenario
