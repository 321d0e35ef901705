// Ctrl-C (SIGINT) and SIGTERM end a --serve run: they set a flag that the
// loop looks at between its polls, so the server is stopped in order and
// its threads are joined.
#pragma once

namespace scenario::viewer {

void CatchStopSignals();
bool StopRequested();

}  // namespace scenario::viewer
