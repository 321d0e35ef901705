// Plain words for the compile step's error codes.
#pragma once

#include <cstdint>
#include <string>

namespace scenario {

// What the code means, in one sentence without a trailing full stop.
std::string ErrorCodeMeaning(int32_t code);

}  // namespace scenario
