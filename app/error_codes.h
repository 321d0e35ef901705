// The compile step's error codes and the two fatal numbers, each with its
// name, and the one table of what they mean, all made from the list in
// app/error_codes.def.
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

// kNoError, kErrorRouteTooLong, ... kErrorCurve; kFatalMarksTaken and
// kFatalCodesTaken (app/error_codes.def).
#define SCENARIO_ERROR_CODE(name, number, family, stored_by, meaning) \
  inline constexpr int32_t name = number;
#define SCENARIO_FATAL_NUMBER(name, number, meaning) inline constexpr int32_t name = number;
#include "app/error_codes.def"

// The families of codes the diagnostics treat alike.
enum class ErrorFamily : uint8_t { kOther, kOccupiedCell, kCompletion };

// One line of the table: a code or a fatal number.
struct ErrorCodeEntry {
  int32_t code;
  bool fatal;
  ErrorFamily family;
  const char* meaning;
};

// Every code in rising order, then the two fatal numbers.
inline constexpr ErrorCodeEntry kErrorCodeTable[] = {
#define SCENARIO_ERROR_CODE(name, number, family, stored_by, meaning) \
  {number, false, ErrorFamily::family, meaning},
#define SCENARIO_FATAL_NUMBER(name, number, meaning) \
  {number, true, ErrorFamily::kOther, meaning},
#include "app/error_codes.def"
};

// Whether a reader stored this code at an object aimed at a cell that is not
// free.
bool IsOccupiedCellError(int32_t code);
// Whether only the completion pass stores this code.
bool IsCompletionError(int32_t code);

// What the code or fatal number means, in one sentence without a trailing
// full stop; "unknown error code" for a number that is neither.
std::string ErrorCodeMeaning(int32_t code);

}  // namespace scenario
