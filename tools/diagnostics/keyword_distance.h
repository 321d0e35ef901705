// How near a field comes to a record keyword, for "did you mean" hints.
//
// The readers find a keyword's words anywhere in a field, so a misspelt
// word may stand inside other text ("velocta' limite", "percentuale masa
// frenata"). A word is compared with the text from each point where a run of
// letters begins, and counts as near when some stretch from there is within
// two edits of it, an edit being a letter put in, left out, changed, or two
// neighbours swapped. Letter case does not count.
#pragma once

#include <string_view>

#include "descriptions/keywords.h"
#include "descriptions/read_observer.h"

namespace scenario {

// Edits between two texts: insertions, deletions, substitutions and swaps
// of adjacent characters, each counting one (case as given).
int EditDistance(std::string_view a, std::string_view b);

// The fewest edits that make the field hold every word of the keyword
// (words of three letters or fewer must stand in it as they are); a large
// number when that is out of reach.
int KeywordDistance(std::string_view field, const RecordKeyword& keyword);

// The keyword of `scope` nearest to the field, within two edits; ties go to
// the one the reader tests first. Null when none is that near.
const RecordKeyword* NearestKeyword(KeywordScope scope, std::string_view field);

}  // namespace scenario
