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
#include <vector>

#include "descriptions/read_observer.h"

namespace scenario {

struct RecordKeyword {
  const char* kind;    // the record's name, as the observer is told it
  const char* first;   // a word the field must hold
  const char* second;  // a second word it must hold as well; "" when one is enough
  bool exact_case;
  // How descriptions usually write the keyword field, for suggestions.
  const char* spelled;
  // The value fields in the order they are read, as authors name them.
  const char* values;
};

// The line description's general section.
inline constexpr RecordKeyword kRouteLengthKeyword{
    "route length", "lunghezza", "percorso", false,
    "lunghezza percorso", "length"};
inline constexpr RecordKeyword kChainage3Keyword{
    "chainage section 3", "progressiva", "tre", true,
    "progressiva chilometrica tre", "start, offset, flag"};
inline constexpr RecordKeyword kChainage2Keyword{
    "chainage section 2", "progressiva", "due", true,
    "progressiva chilometrica due", "start, offset, flag"};
inline constexpr RecordKeyword kChainage1Keyword{
    "chainage section 1", "progressiva", "uno", true,
    "progressiva chilometrica uno", "start, offset, flag"};
inline constexpr RecordKeyword kBackground1Keyword{
    "background 1", "sfondo", "uno", true,
    "sfondo uno", "value"};
inline constexpr RecordKeyword kBackground2Keyword{
    "background 2", "sfondo", "due", true,
    "sfondo due", "value"};
inline constexpr RecordKeyword kBackground3Keyword{
    "background 3", "sfondo", "tre", true,
    "sfondo tre", "value"};
inline constexpr RecordKeyword kRepetitionKeyword{
    "signal repetition", "segnali", "ripetizione", true,
    "ripetizione segnali 9 codici", "start, end"};
// The line description's data sections.
inline constexpr RecordKeyword kGradientKeyword{
    "gradient", "pendenza", "", false,
    "pendenza", "position, gradient"};
inline constexpr RecordKeyword kCurveKeyword{
    "curve", "curva", "", false,
    "curva", "start, length"};
inline constexpr RecordKeyword kTunnelKeyword{
    "tunnel", "montagna", "", false,
    "montagna", "start, end, kind"};
inline constexpr RecordKeyword kSpeedBoardsKeyword{
    "speed boards", "indicatori_v", "", false,
    "indicatori_vmax", "position, vas, vbs, vcs, strisces, vad, vbd, vcd, strisced"};
inline constexpr RecordKeyword kSignBoardKeyword{
    "sign board", "cartello", "indicat", false,
    "cartello indicatore", "position, text"};
// The train description.
inline constexpr RecordKeyword kBrakedMassKeyword{
    "braked mass", "frenata", "massa", false,
    "percentuale massa frenata", "percentage"};
inline constexpr RecordKeyword kCarriagesKeyword{
    "carriages", "vetture", "", false,
    "numero vetture", "number"};
inline constexpr RecordKeyword kSpeedLimitKeyword{
    "speed limit", "velocit", "", false,
    "velocita' limite", "position, speed limit"};
inline constexpr RecordKeyword kAdhesionKeyword{
    "adhesion", "aderenza", "", false,
    "aderenza", "position, adhesion"};
inline constexpr RecordKeyword kClockKeyword{
    "clock", "orologio", "", false,
    "orologio", "hours, minutes, seconds"};
inline constexpr RecordKeyword kSandKeyword{
    "sand", "sabbia", "", false,
    "sabbia", "sand"};
inline constexpr RecordKeyword kSignalKeyword{
    "signal", "segnale", "", false,
    "segnale", "position, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo"};
inline constexpr RecordKeyword kSlowdownKeyword{
    "slowdown", "rallentamento", "", false,
    "rallentamento", "start, speed, length, f_tt, f_ta, d_v"};
inline constexpr RecordKeyword kCodeReductionKeyword{
    "code reduction", "abbattimento", "", false,
    "abbattimento codice", "position, code"};
inline constexpr RecordKeyword kStopKeyword{
    "stop", "stazione", "", false,
    "stazione",
    "position, kind, length, tps, tab, mar, first d2, first d3, rap, second d1, second d2, "
    "second d3, ac, hours, minutes, seconds, name"};

// The turn of the track per metre of each curve class, 1 to 6 (the radius
// is one over it): the class digit of a curve keyword picks one.
inline constexpr double kCurveClassTurns[] = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};

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

// The keyword of a kind of record ("gradient", "stop", ...); null for a kind
// no description has.
const RecordKeyword* KeywordOfKind(std::string_view kind);
// The names of its value fields, in reading order.
std::vector<std::string_view> ValueNames(const RecordKeyword& keyword);

// A section header holds "[" and "]" and does not begin with a hyphen (the
// field stream has already dropped its leading blanks).
bool IsSectionHeader(std::string_view field);

}  // namespace scenario
