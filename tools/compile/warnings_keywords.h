// What the readers' keyword table (descriptions/keywords.h) says of a field
// they did not take as a record, for the warnings: a record in the wrong
// section, a keyword in the wrong letter case, a keyword that is the last
// field of a text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "descriptions/read_observer.h"

namespace scenario {

// The kinds of the records the field would start in this scope, in the
// order the reader tests them. Curves count only when `curves_read` (the
// reader skips them without a route table).
std::vector<std::string> RecordsStartedBy(KeywordScope scope, std::string_view field,
                                          bool curves_read);

// The general records whose words the field holds in some letter case
// although the reader wants them in lower case.
std::vector<std::string> GeneralRecordsInOtherCase(std::string_view field);

}  // namespace scenario
