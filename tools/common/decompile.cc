#include "tools/common/decompile.h"

namespace scenario {

DecompiledTexts Decompile(const CompiledScenario& files, MarkOrder order) {
  // Cell 1's value_a and value_b are the stamp's (the format mark and the
  // plain check code): an object there carried 0 in both, or the stamp
  // would have refused it.
  CompiledScenario objects = files;
  if (objects.cells.size() > 1) {
    objects.cells[1].value_a = 0;
    objects.cells[1].value_b = 0;
  }
  DecompiledTexts texts;
  DecompileLine(objects, &texts);
  DecompileTrain(objects, order, &texts);
  return texts;
}

}  // namespace scenario
