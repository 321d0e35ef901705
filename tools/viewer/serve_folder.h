// scenario-inspect --serve [HOST:]PORT DIR: the live page for the compiled
// files in DIR alone (no diagnostics, no source lines). The folder is read
// again whenever its files change; a folder that cannot be read keeps the
// last good picture and says why.
#pragma once

#include <ostream>
#include <string>

#include "tools/viewer/serve_address.h"

namespace scenario::viewer {

// Runs until Ctrl-C or SIGTERM; returns 0, or 2 when the address cannot be
// served.
int ServeFolder(const std::string& folder, const ServeAddress& address, std::ostream& err);

}  // namespace scenario::viewer
