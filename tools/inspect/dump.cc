#include "tools/inspect/dump.h"

#include <cstdio>

#include "tools/inspect/text.h"

namespace scenario {

void DumpInspectedFile(const InspectedFile& file, std::ostream& out) {
  switch (file.kind) {
    case FileKind::kScenario: DumpScenarioFile(file, out); break;
    case FileKind::kGrid: DumpGridFile(file, out); break;
    case FileKind::kRoute: DumpRouteFile(file, out); break;
    case FileKind::kUnknown: out << DisplayText(file.name) << ": not decoded\n"; break;
  }
}

std::string FixedText(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

}  // namespace scenario
