// What a compile takes in, checked before anything is compiled or written:
// the names the files are called after, and the two description texts.
#pragma once

#include <string>

#include "app/status.h"
#include "tools/compile/command.h"

namespace scenario {

// The binary files are named after --route and --train inside OUTDIR, so
// each must be a plain name: not empty, not "." and without a '/', a ".."
// or a NUL byte, which could put a file outside OUTDIR or nowhere.
Status CheckPlainName(const std::string& option, const std::string& value);
// Both names; the first one refused gives the failure.
Status CheckCompileOptions(const CompileOptions& options);

// The two description texts, read whole from their files.
struct DescriptionTexts {
  std::string line;
  std::string train;

  bool operator==(const DescriptionTexts&) const = default;
};

// Reads both descriptions (app/description_file.h); the first that cannot
// be read gives the failure, which names it and says why.
Status ReadDescriptionTexts(const CompileOptions& options, DescriptionTexts* texts);

}  // namespace scenario
