// The descriptions of a compile in the code page: with --input-encoding
// utf-8 they are converted before anything is read, and a text that cannot
// be converted stops the compile before it starts.
#pragma once

#include <ostream>

#include "tools/diagnostics/command.h"
#include "tools/diagnostics/inputs.h"

namespace scenario {

// Converts both texts into *converted. When either cannot be converted,
// prints its errors (at most ten a description) and a closing line to err,
// fills the summary (its diagnostics, errors, exit status 2) and returns
// false: nothing is compiled and nothing written.
bool ConvertDescriptions(const CompileOptions& options, const DescriptionTexts& texts,
                         DescriptionTexts* converted, CompileSummary* summary, std::ostream& err);

}  // namespace scenario
