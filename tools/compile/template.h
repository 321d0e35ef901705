// scenario-compile --template DIR: writes the blank descriptions authors
// start from, line.txt and train.txt, into DIR.
#pragma once

#include <ostream>
#include <string>

#include "app/exit_status.h"
#include "records/fresh_file.h"

namespace scenario {

// Writes both files as fresh files into the folder, made when missing. An
// author's work is never replaced: when either file is there already,
// nothing is written. Returns kExitSuccess when both were written,
// kExitFailure when they were not, with the reason on err.
ExitStatus WriteTemplate(const std::string& folder, FileWriter& writer, std::ostream& out,
                         std::ostream& err);

}  // namespace scenario
