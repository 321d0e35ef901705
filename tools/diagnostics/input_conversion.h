// The descriptions of a compile in the code page: with --input-encoding
// utf-8 they are converted before anything is read, and a text that cannot
// be converted stops the compile before it starts.
#pragma once

#include <ostream>

#include "tools/diagnostics/command.h"
#include "tools/diagnostics/input_encoding.h"

namespace scenario {

// The compile refused because a description cannot be converted (one of
// `line` and `train` has faults): its errors (at most ten a description)
// and a closing line printed to err, and the summary that says so: the
// diagnostics, the count of errors, exit status kExitFailure. Nothing is
// compiled and nothing written.
CompileSummary UnconvertedSummary(const CompileOptions& options, const CodePageText& line,
                                  const CodePageText& train, std::ostream& err);

}  // namespace scenario
