// The blank descriptions `scenario-compile --template` writes: a line and a
// train description with every kind of record once, each value explained in
// the comment lines above it. They compile with no error and no warning.
#pragma once

#include <string>

namespace scenario {

// The texts with CR LF line ends, as the packager writes its own.
std::string TemplateLineText();
std::string TemplateTrainText();

}  // namespace scenario
