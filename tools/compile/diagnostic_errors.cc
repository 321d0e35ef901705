// The error diagnostics of one compile, in the order the codes were
// recorded, and those without a record: 2, 25, 101, 102.
#include "tools/compile/diagnostic_errors.h"

#include <map>

#include "app/error_codes.h"
#include "descriptions/field_stream.h"
#include "descriptions/keywords.h"

namespace scenario {

namespace {

bool IsChainage(const RecordRead& record) { return record.kind.starts_with("chainage section"); }

// Error 2 is found after the train description: the chainage record whose
// start or offset (with the 100 m a flag of 1 adds) is not a multiple of 50.
// A later record of the same section replaces an earlier one.
Diagnostic ChainageError(const DiagnosticContext& context) {
  std::map<std::string, const RecordRead*> last_of_section;
  for (const RecordRead& record : context.recorder.records()) {
    if (record.description == Description::kLine && IsChainage(record)) {
      last_of_section[record.kind] = &record;
    }
  }
  for (const auto& [kind, section] : last_of_section) {
    const RecordRead& record = *section;
    const std::optional<int64_t> start = record.Number(0);
    const std::optional<int64_t> offset = record.Number(1);
    const std::optional<int64_t> flag = record.Number(2);
    if (!start || !offset || !flag) continue;
    const int64_t adjusted = *offset + (*flag == 1 ? 100 : 0);
    const char* tail =
        ", which is not a multiple of 50 m; chainage starts and offsets must be multiples of "
        "50 m (checked once the train description has been read)";
    if (*start % 50 != 0) {
      return context.Error(
          2, Description::kLine, record.At(0),
          "the " + record.kind + " starts at " + std::to_string(*start) + " m" + tail);
    }
    if (adjusted % 50 != 0) {
      std::string with_flag = *flag == 1 ? " with the 100 m its flag 1 adds" : "";
      return context.Error(kErrorChainage, Description::kLine, record.At(1),
                           "the " + record.kind + " has a chainage offset of " +
                               std::to_string(adjusted) + " m" + with_flag + tail);
    }
  }
  return context.Error(kErrorChainage, Description::kLine, TextPosition{},
                       ErrorCodeMeaning(kErrorChainage));
}

Diagnostic NoGeneralSection(const DiagnosticContext& context, const ErrorRead& error) {
  if (ContainsAnyCase(context.state.current_field, kGeneralHeader)) {
    return context.Error(kErrorNoGeneralSection, Description::kLine, error.where,
                         "the only \"[generale]\" field is the last field of the text, so the "
                         "general section is never read");
  }
  return context.Error(kErrorNoGeneralSection, Description::kLine, TextPosition{},
                       "no field holds \"[generale]\": the whole text is taken as the preamble "
                       "and no record is read");
}

Diagnostic FailureError(const DiagnosticContext& context, const FailureRead& failure) {
  const char* text = failure.description == Description::kLine ? "line" : "train";
  // Without a position the text itself could not be had.
  if (failure.where.line == 0) {
    return context.Error(kErrorReadFailure, failure.description, failure.where,
                         failure.reason + "; the compile goes on without it");
  }
  std::string message =
      std::string("the ") + text + " description cannot be read on: " + failure.reason;
  if (failure.record) {
    const RecordRead& record = context.recorder.records()[*failure.record];
    // Name the record only when the failure lies inside it, past its
    // keyword field (a speed limit that does not fit fails at its own record
    // when the next one is read).
    const bool inside = failure.where.line > record.keyword.line ||
                        (failure.where.line == record.keyword.line &&
                         failure.where.column > record.keyword.column);
    if (inside) {
      message += " (in the " + record.kind + " record of line " +
                 std::to_string(record.keyword.line) + ")";
    }
  }
  message += "; reading stops here, and the compile goes on with what was read before";
  return context.Error(kErrorReadFailure, failure.description, failure.where, message);
}

}  // namespace

Diagnostic DiagnosticContext::Error(int32_t code, Description description, TextPosition where,
                                    std::string message) const {
  Diagnostic diagnostic;
  diagnostic.severity = Severity::kError;
  diagnostic.code = code;
  diagnostic.description = description;
  diagnostic.file = FileOf(description);
  if (where.line > 0) {
    diagnostic.line = where.line;
    diagnostic.column = where.column;
  }
  diagnostic.message = std::move(message);
  return diagnostic;
}

std::string RecordAt(const RecordRead& record) {
  const std::string noun = record.kind == "speed boards" ? "speed board" : record.kind;
  const std::optional<int64_t> position = record.Number(0);
  if (!position) return "the " + noun + " record";
  std::string name;
  if (record.kind == "stop" && !record.Text(16).empty()) name = " " + record.Text(16);
  return "the " + noun + name + " at " + std::to_string(*position) + " m";
}

std::vector<Diagnostic> ErrorDiagnostics(const DiagnosticContext& context,
                                         std::optional<int32_t> fatal) {
  std::vector<Diagnostic> diagnostics;
  for (const ErrorRead& error : context.recorder.errors()) {
    switch (error.code) {
      case kErrorNoLineDescription:
        diagnostics.push_back(context.Error(kErrorNoLineDescription, Description::kLine,
                                            TextPosition{},
                                            "the line description does not exist or cannot be "
                                            "read"));
        break;
      case kErrorNoGeneralSection:
        diagnostics.push_back(NoGeneralSection(context, error));
        break;
      case kErrorChainage:
        diagnostics.push_back(ChainageError(context));
        break;
      default: diagnostics.push_back(RecordError(context, error)); break;
    }
  }
  if (const std::optional<FailureRead>& failure = context.recorder.failure()) {
    diagnostics.push_back(FailureError(context, *failure));
  }
  // The readers never record 11 to 13: such a code comes from the
  // completion pass, which ran after them (only its last one survives).
  const int32_t code = context.state.error_code;
  if (IsCompletionError(code)) {
    diagnostics.push_back(CompletionError(context, code, context.state.error_position));
  }
  if (fatal) diagnostics.push_back(FatalError(context, *fatal));
  return diagnostics;
}

}  // namespace scenario
