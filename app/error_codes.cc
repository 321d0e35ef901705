#include "app/error_codes.h"

namespace scenario {

namespace {

ErrorFamily FamilyOf(int32_t code) {
  for (const ErrorCodeEntry& entry : kErrorCodeTable) {
    if (entry.code == code && !entry.fatal) return entry.family;
  }
  return ErrorFamily::kOther;
}

}  // namespace

bool IsOccupiedCellError(int32_t code) { return FamilyOf(code) == ErrorFamily::kOccupiedCell; }

bool IsCompletionError(int32_t code) { return FamilyOf(code) == ErrorFamily::kCompletion; }

std::string ErrorCodeMeaning(int32_t code) {
  for (const ErrorCodeEntry& entry : kErrorCodeTable) {
    if (entry.code == code) return entry.meaning;
  }
  return "unknown error code";
}

}  // namespace scenario
