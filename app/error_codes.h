// The compile step's error codes and the two fatal numbers, each with its
// name, and the one table of what they mean.
//
// An error code is a value of the generator state, never a report: the
// readers, the cell writers and the completion pass store it (a later code
// overwrites an earlier one), and only the readers look at it again. There
// are no codes 14 and 23. The fatal numbers are not error codes: they are the
// text of the stamp step's fatal report, which ends the run.
#pragma once

#include <cstdint>
#include <string>

namespace scenario {

inline constexpr int32_t kNoError = 0;
inline constexpr int32_t kErrorRouteTooLong = 1;            // line reader
inline constexpr int32_t kErrorChainage = 2;                // train reader, in the line's rows
inline constexpr int32_t kErrorRepetitionStart = 3;         // line reader
inline constexpr int32_t kErrorRepetitionEnd = 4;           // line reader
inline constexpr int32_t kErrorRepetitionCodes = 5;         // line reader
inline constexpr int32_t kErrorSignBoardCell = 6;           // line reader
inline constexpr int32_t kErrorCodeReductionCell = 7;       // train reader
inline constexpr int32_t kErrorStopPosition = 8;            // train reader
inline constexpr int32_t kErrorStopLength = 9;              // train reader
inline constexpr int32_t kErrorStopRows = 10;               // train reader
inline constexpr int32_t kErrorReductionBeforeSignal = 11;  // completion pass
inline constexpr int32_t kErrorReductionWindow = 12;        // completion pass
inline constexpr int32_t kErrorSpacedReduction = 13;        // completion pass
inline constexpr int32_t kErrorBeyondGrid = 15;             // either reader
inline constexpr int32_t kErrorSignalCell = 16;             // memo_segnale
inline constexpr int32_t kErrorWarningCell = 17;            // memo_rallentamento
inline constexpr int32_t kErrorSlowdownStartCell = 18;      // memo_rallentamento
inline constexpr int32_t kErrorSlowdownEndCell = 19;        // memo_rallentamento
inline constexpr int32_t kErrorPrewarningCell = 20;         // memo_rallentamento
inline constexpr int32_t kErrorSpeedBoardCell = 21;         // memo_indicatori_v_max
inline constexpr int32_t kErrorStopSpacing = 22;            // train reader
inline constexpr int32_t kErrorStopZoneAtStart = 24;        // train reader
inline constexpr int32_t kErrorReadFailure = 25;            // the readers' common failure path
inline constexpr int32_t kErrorNoLineDescription = 101;     // line reader
inline constexpr int32_t kErrorNoGeneralSection = 102;      // line reader
inline constexpr int32_t kErrorCurve = 103;                 // line reader

// The stamp step's fatal numbers: the format marks' fields, or the check
// codes' fields, were already taken.
inline constexpr int32_t kFatalMarksTaken = 1250;
inline constexpr int32_t kFatalCodesTaken = 1251;

// Whether a reader stored this code at an object aimed at a cell that is not
// free.
bool IsOccupiedCellError(int32_t code);
// Whether only the completion pass stores this code.
bool IsCompletionError(int32_t code);

// What the code or fatal number means, in one sentence without a trailing
// full stop; "unknown error code" for a number that is neither.
std::string ErrorCodeMeaning(int32_t code);

}  // namespace scenario
