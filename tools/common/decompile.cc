#include "tools/common/decompile.h"

namespace scenario {

DecompiledTexts Decompile(const CompiledScenario& files, MarkOrder order) {
  DecompiledTexts texts;
  DecompileLine(files, &texts);
  DecompileTrain(files, order, &texts);
  return texts;
}

}  // namespace scenario
