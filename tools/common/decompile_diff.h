// Naming a difference between a compiled file and the file its decompiled
// texts compile to: the file, the offset, and the field that offset falls
// in (a cell's field, a scenario row's column, a route row's element).
#pragma once

#include <string>

#include "tools/common/decompile.h"

namespace scenario {

enum class FileRole { kRoute, kScenario, kGrid };

std::string FileNameOf(const CompiledScenario& files, FileRole role);

// "<file>: offset N, <field>: the file has 0x.., the descriptions give 0x..".
std::string DescribeDifference(const CompiledScenario& files, FileRole role,
                               const std::string& original, const std::string& made, size_t offset);

}  // namespace scenario
