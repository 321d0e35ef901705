// The words of both descriptions: the keyword of every kind of record, the
// header that opens the general section, the comment mark and the section
// headers. The readers test keyword fields with these, and the compile
// command's warnings ask the same table what a field would have started.
//
// A keyword field starts a record when it holds the record's words anywhere
// in it (substrings, so "pendenza  " and "curvad2" match); most words count in
// any letter case, those of the exact-case records only in lower case.
#pragma once

#include <span>
#include <string_view>

#include "descriptions/read_observer.h"

namespace scenario {

struct RecordKeyword {
  const char* kind;    // the record's name, as the observer is told it
  const char* first;   // a word the field must hold
  const char* second;  // a second word it must hold as well; "" when one is enough
  bool exact_case;
};

// The line description's general section.
inline constexpr RecordKeyword kRouteLengthKeyword{"route length", "lunghezza", "percorso", false};
inline constexpr RecordKeyword kChainage3Keyword{"chainage section 3", "progressiva", "tre", true};
inline constexpr RecordKeyword kChainage2Keyword{"chainage section 2", "progressiva", "due", true};
inline constexpr RecordKeyword kChainage1Keyword{"chainage section 1", "progressiva", "uno", true};
inline constexpr RecordKeyword kBackground1Keyword{"background 1", "sfondo", "uno", true};
inline constexpr RecordKeyword kBackground2Keyword{"background 2", "sfondo", "due", true};
inline constexpr RecordKeyword kBackground3Keyword{"background 3", "sfondo", "tre", true};
inline constexpr RecordKeyword kRepetitionKeyword{"signal repetition", "segnali", "ripetizione",
                                                  true};
// The line description's data sections.
inline constexpr RecordKeyword kGradientKeyword{"gradient", "pendenza", "", false};
inline constexpr RecordKeyword kCurveKeyword{"curve", "curva", "", false};
inline constexpr RecordKeyword kTunnelKeyword{"tunnel", "montagna", "", false};
inline constexpr RecordKeyword kSpeedBoardsKeyword{"speed boards", "indicatori_v", "", false};
inline constexpr RecordKeyword kSignBoardKeyword{"sign board", "cartello", "indicat", false};
// The train description.
inline constexpr RecordKeyword kBrakedMassKeyword{"braked mass", "frenata", "massa", false};
inline constexpr RecordKeyword kCarriagesKeyword{"carriages", "vetture", "", false};
inline constexpr RecordKeyword kSpeedLimitKeyword{"speed limit", "velocit", "", false};
inline constexpr RecordKeyword kAdhesionKeyword{"adhesion", "aderenza", "", false};
inline constexpr RecordKeyword kClockKeyword{"clock", "orologio", "", false};
inline constexpr RecordKeyword kSandKeyword{"sand", "sabbia", "", false};
inline constexpr RecordKeyword kSignalKeyword{"signal", "segnale", "", false};
inline constexpr RecordKeyword kSlowdownKeyword{"slowdown", "rallentamento", "", false};
inline constexpr RecordKeyword kCodeReductionKeyword{"code reduction", "abbattimento", "", false};
inline constexpr RecordKeyword kStopKeyword{"stop", "stazione", "", false};

// The field that ends the preamble of either description (any case).
inline constexpr std::string_view kGeneralHeader = "[generale]";
// A field holding this where a keyword field is expected is a comment.
inline constexpr std::string_view kCommentMark = "-";

// Whether the field starts a record of this kind.
bool Holds(std::string_view field, const RecordKeyword& keyword);
// Whether it holds the words in some letter case, exact-case or not.
bool HoldsInAnyCase(std::string_view field, const RecordKeyword& keyword);

// The record tests of each place a keyword field is examined, in the order
// the reader applies them.
std::span<const RecordKeyword> KeywordsOf(KeywordScope scope);

// A section header holds "[" and "]" and does not begin with a hyphen (the
// field stream has already dropped its leading blanks).
bool IsSectionHeader(std::string_view field);

}  // namespace scenario
