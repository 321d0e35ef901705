// Reading a description text from a file, for every program that reads one:
// the packager its own two texts, scenario-compile and its --watch loop the
// texts an author names.
//
// Only a regular file is read, and only up to a limit. A directory, a FIFO, a
// device or a socket is refused without reading (a FIFO would block until a
// writer comes, /dev/zero would never end), and so is a file larger than the
// limit, before any memory is taken for it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/status.h"

namespace scenario {

// The largest description read: 1 GiB. The largest description that makes
// sense is a 1000000 m line with a record of every kind that may repeat
// (gradient, curve, tunnel, speed boards, sign board: about 200 bytes written
// out with the widest numbers) at every metre of the route and of its 6900 m
// beyond, about 200 MB, and a train description with every one of its
// repeatable records at every metre, about 280 MB. The limit leaves more
// than three times that for comments and blanks, and stops /dev/zero or a
// runaway file long before the memory runs out.
inline constexpr uint64_t kDescriptionLimit = uint64_t{1} << 30;

// The file's bytes in *text. Refused, with a message "cannot read PATH:
// REASON" and *text left empty: a path that cannot be opened or read, one
// that is not a regular file (the message says what it is), a file above
// the limit, and a file that grows beyond the limit while it is read (no
// more than limit + 1 bytes are ever read).
Status ReadDescriptionFile(const std::filesystem::path& path, std::string* text,
                           uint64_t limit = kDescriptionLimit);

}  // namespace scenario
