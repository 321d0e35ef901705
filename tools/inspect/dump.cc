#include "tools/inspect/dump.h"

#include "tools/common/text.h"

namespace scenario {

void DumpInspectedFile(const InspectedFile& file, std::ostream& out) {
  switch (file.kind) {
    case FileKind::kScenario: DumpScenarioFile(file, out); break;
    case FileKind::kGrid: DumpGridFile(file, out); break;
    case FileKind::kRoute: DumpRouteFile(file, out); break;
    case FileKind::kUnknown: out << DisplayText(file.name) << ": not decoded\n"; break;
  }
}

}  // namespace scenario
