// The page's "open as descriptions" in folder mode: the compiled files of
// the served folder opened as line.txt and train.txt beside them, so that
// the server can go on as the live compile of those texts. An author's own
// texts are never overwritten: when either file is there, nothing is written.
#pragma once

#include <string>

#include "app/exit_status.h"

namespace scenario::viewer {

struct OpenedDescriptions {
  // As the decompile command's: kDecompileExact (the texts compile back to
  // the files byte for byte), kDecompileNotExact (written, but they do not),
  // kDecompileRefused (nothing written).
  ExitStatus status = kExitFailure;
  std::string message;  // what the command said, for the page's band
};

OpenedDescriptions OpenFolderAsDescriptions(const std::string& folder);

// The reply to the page: {"opened", "exact", "message"}; "opened" only when
// the server goes on as the live compile.
std::string OpenedDescriptionsJson(const OpenedDescriptions& opened);

}  // namespace scenario::viewer
