// Where a command may write a file a person asked for (a report, a picture):
// never over a file the same run reads or writes, and only as a regular
// file. Both are checked before anything is written.
#pragma once

#include <filesystem>
#include <string>

#include "app/status.h"

namespace scenario {

// Whether two paths lead to one file: the same device and inode when both
// exist; otherwise the same absolute path once the links of the part that
// exists are resolved and the rest is normalised ("out/../line.txt" is
// "line.txt" before OUTDIR is made).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// An output's target is refused when it exists and is not a regular file:
// a directory, a FIFO (which a writer would block on), a device or a socket.
// `option` names it in the message ("--svg").
Status CheckOutputTarget(const std::string& option, const std::filesystem::path& path);

}  // namespace scenario
