// dati_rallentamenti: the slowdowns notice (5 lines); the run has no slowdown.
#include "content/documents.h"

namespace scenario {

LineBuffer SlowdownsNotice() {
  return {
      "",
      "",
      "",
      "",
      "                         NESSUNA PRESCRIZIONE",
      std::string(kEndMarker),
  };
}

}  // namespace scenario
