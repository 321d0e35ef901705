#include "tools/diagnostics/warnings_help.h"

#include "tools/diagnostics/warnings.h"

namespace scenario {

std::string WarningsHelp() {
  std::string help = "Warnings (each silenced by -Wno-NAME, turned back on by -WNAME):\n";
  for (const WarningKind& kind : AllWarnings()) {
    help += "  " + std::string(kind.name) + std::string(20 - std::string(kind.name).size(), ' ') +
            kind.summary + "\n";
  }
  return help;
}

}  // namespace scenario
