// What the readers' keyword table (descriptions/keywords.h) says of a field
// they did not take as a record, for the warnings: a record in the wrong
// section, a keyword in the wrong letter case, a keyword that is the last
// field of a text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "descriptions/keywords.h"
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

// Whether a keyword field that began no record may be meant as a keyword:
// it holds a letter, and is neither a comment (a hyphen) nor a section
// header. Numbers and empty fields are left values or blank lines.
bool MayBeUnknownKeyword(std::string_view field);

// The keyword of a scope the field holds in some letter case (the reader
// may still not take it: an exact-case word in capitals, a curve without a
// route table); null when it holds none.
const RecordKeyword* KeywordHeld(KeywordScope scope, std::string_view field);

// Whether the field holds a keyword the line reader knows where the field
// stands: a general record in the data sections and the reverse have
// warnings of their own, so such a field is no unknown keyword.
bool KnownHere(KeywordScope scope, std::string_view field);

// Whether the warnings about keyword fields read where they count for
// nothing (wrong-section, keyword-case) or about the general section's end
// need this field that began no record.
bool FieldWarningsNeed(KeywordScope scope, std::string_view field);

}  // namespace scenario
