#include "app/error_codes.h"

namespace scenario {

namespace {

struct Meaning {
  int32_t code;
  const char* words;
};

constexpr Meaning kMeanings[] = {
    {kNoError, "no error"},
    {kErrorRouteTooLong, "the route length is greater than 1000000 m"},
    {kErrorChainage, "a chainage section's start or offset is not a multiple of 50 m"},
    {kErrorRepetitionStart, "the signal repetition start is not a multiple of 50 m"},
    {kErrorRepetitionEnd, "the signal repetition end is not a multiple of 50 m"},
    {kErrorRepetitionCodes, "the signal repetition keyword names neither 4 nor 9 codes"},
    {kErrorSignBoardCell, "the cell of a sign board is not free"},
    {kErrorCodeReductionCell, "the cell of a code reduction is not free"},
    {kErrorStopPosition, "a stop position is not a multiple of 50 m"},
    {kErrorStopLength, "a stop length is not a multiple of 100 m"},
    {kErrorStopRows, "the stop rows would reach the sign-board rows of the scenario table"},
    {kErrorReductionBeforeSignal,
     "no room for a code reduction before a signal that precedes a slowdown warning"},
    {kErrorReductionWindow, "no room for a code reduction in a window before a slowdown start"},
    {kErrorSpacedReduction,
     "no room for a spaced code reduction inside a slow slowdown or after its end"},
    {kErrorBeyondGrid, "a record's position lies beyond the end of the grid"},
    {kErrorSignalCell, "the cell of a signal is not free"},
    {kErrorWarningCell, "the warning cell of a slowdown is not free"},
    {kErrorSlowdownStartCell, "the start cell of a slowdown is not free"},
    {kErrorSlowdownEndCell, "the end cell of a slowdown is not free"},
    {kErrorPrewarningCell, "one of the four pre-warning cells of a slowdown is not free"},
    {kErrorSpeedBoardCell, "the cell of a speed board is not free"},
    {kErrorStopSpacing, "a stop zone begins less than 350 m after the end of the previous one"},
    {kErrorStopZoneAtStart, "a stop zone ends at or before route position 100"},
    {kErrorReadFailure, "an unexpected failure while reading a description"},
    {kErrorNoLineDescription, "the line description does not exist"},
    {kErrorNoGeneralSection, "the line description has no \"[generale]\" field"},
    {kErrorCurve, "a curve names no radius class, or the route table would pass row 1000000"},
    {kFatalMarksTaken, "the format marks' fields of the route row or of cell 1 are already taken"},
    {kFatalCodesTaken, "the check codes' fields of the route row or of cell 1 are already taken"},
};

}  // namespace

bool IsOccupiedCellError(int32_t code) {
  return code == kErrorSignBoardCell || code == kErrorCodeReductionCell ||
         (code >= kErrorSignalCell && code <= kErrorSpeedBoardCell);
}

bool IsCompletionError(int32_t code) {
  return code >= kErrorReductionBeforeSignal && code <= kErrorSpacedReduction;
}

std::string ErrorCodeMeaning(int32_t code) {
  for (const Meaning& meaning : kMeanings) {
    if (meaning.code == code) return meaning.words;
  }
  return "unknown error code";
}

}  // namespace scenario
