// scenario-inspect --serve [HOST:]PORT DIR: the live page for the compiled
// files in DIR alone (no diagnostics, no source lines). The folder is read
// again whenever its files change; a folder that cannot be read keeps the
// last good picture and says why. Once the page has opened the folder as
// descriptions (open_descriptions.h) and they came back exact, it goes on as
// scenario-compile --serve of those texts into the folder.
#pragma once

#include <ostream>
#include <string>

#include "app/exit_status.h"
#include "tools/viewer/serve_address.h"

namespace scenario::viewer {

// Runs until Ctrl-C or SIGTERM (tools/diagnostics/stop_signal.h); returns
// kExitSuccess (after an opening: the last compile's status), or
// kExitFailure when the address cannot be served.
ExitStatus ServeFolder(const std::string& folder, const ServeAddress& address, std::ostream& err);

}  // namespace scenario::viewer
