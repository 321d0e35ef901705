// Loads the window module that the packager carries inside its executable.
#pragma once

#include <string>

#include "app/window_module.h"

namespace scenario {

// The module's table, or null with the reason in *failure (a system without
// the toolkit's shared libraries, say).
const WindowModule* LoadWindowModule(std::string* failure);

}  // namespace scenario
