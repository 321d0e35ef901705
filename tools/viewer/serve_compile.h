// scenario-compile --serve [HOST:]PORT: compiles as --watch does and serves
// the live page of the compiled scenario. A compile without an error code
// shows its picture; one with an error keeps the last good picture and
// shows its diagnostics.
#pragma once

#include <ostream>

#include "tools/diagnostics/command.h"
#include "tools/viewer/live_view.h"
#include "tools/viewer/serve_address.h"

namespace scenario::viewer {

// Runs until Ctrl-C or SIGTERM (tools/diagnostics/stop_signal.h); returns
// the exit status of the last compile, or kExitFailure when the options are
// refused or the address cannot be served.
ExitStatus ServeAndCompile(const CompileOptions& options, const ServeAddress& address, std::ostream& err);

// The compiling half of the above, publishing to a view some server already
// shows (a folder opened as descriptions goes on here); until a stop signal.
// The options must have passed CheckCompileOptions.
ExitStatus CompileAndServeOn(const CompileOptions& options, LiveView& view, std::ostream& err);

}  // namespace scenario::viewer
