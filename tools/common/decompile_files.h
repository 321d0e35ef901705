// Reading the files of one compiled scenario for opening, refusing what is
// not one: a file that does not decode, a file of another route or train
// (its name against the names in rows 85 and 86), sizes that disagree with
// the route length. A failure names the file and says what is wrong.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/status.h"
#include "tools/common/decompile.h"

namespace scenario {

// `paths`: one folder (the one scenario in it, or with `route` and `train`
// the set of that route and train), or the files themselves. `inputs` gets
// every file read.
Status LoadCompiledScenario(const std::vector<std::string>& paths, const std::string& route,
                            const std::string& train, CompiledScenario* out,
                            std::vector<std::filesystem::path>* inputs);

// The same from bytes in memory, without file names: the route and train are
// the ones rows 85 and 86 name. A failure says which file is wrong and why.
Status DecodeCompiledScenario(std::optional<std::string> route_bytes, std::string scenario_bytes,
                              std::string grid_bytes, CompiledScenario* out);

}  // namespace scenario
