// Code reduction records: the code reductions and code-zero marks of the
// cells, less the ones the completion pass places in front of the signals
// and inside and after the slowdowns (it places them again). Which code 180
// cells are the pass's is found by running the pass on the cells without
// them and keeping, as records, those it does not place again.
#pragma once

#include <string>
#include <vector>

#include "tools/common/decompile.h"

namespace scenario {

void AppendCodeReductions(const CompiledScenario& files, std::string* out,
                          std::vector<std::string>* notes);

}  // namespace scenario
