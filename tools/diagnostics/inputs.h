// What a compile takes in, checked before anything is compiled or written:
// the names the files are called after, and the two description texts.
#pragma once

#include <string>

#include "app/status.h"
#include "tools/diagnostics/command.h"

namespace scenario {

// The binary files are named after --route and --train inside OUTDIR, so
// each must be a plain name: not empty, not "." and without a '/', a ".."
// or a NUL byte, which could put a file outside OUTDIR or nowhere.
Status CheckPlainName(const std::string& option, const std::string& value);
// No output is ever written over an input or over another output of the
// same run, whatever the paths look like (files are compared by identity):
// the report and the picture are neither description, nor each other, nor
// a binary file of OUTDIR, and no binary file is a description. The report
// and the picture are regular files, or not there yet. The picture draws
// this run's route file, so it does not go with --no-route-file.
Status CheckOutputPaths(const CompileOptions& options);
// Both names, then the paths; the first one refused gives the failure.
Status CheckCompileOptions(const CompileOptions& options);

// The two description texts, read whole from their files.
struct DescriptionTexts {
  std::string line;
  std::string train;

  bool operator==(const DescriptionTexts&) const = default;
};

// Reads both descriptions (app/description_file.h); the first that cannot
// be read gives the failure, which names it and says why.
StatusOr<DescriptionTexts> ReadDescriptionTexts(const CompileOptions& options);

}  // namespace scenario
