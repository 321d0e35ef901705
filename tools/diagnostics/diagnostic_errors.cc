// The error diagnostics of one compile, in the order the codes were
// recorded, and those without a record: 2, 25, 101, 102.
#include "tools/diagnostics/diagnostic_errors.h"

#include <map>

#include "app/error_codes.h"
#include "descriptions/field_stream.h"
#include "descriptions/keywords.h"
#include "tools/common/text.h"

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
      last_of_section[std::string(record.kind)] = &record;
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
          "the " + std::string(record.kind) + " starts at " + std::to_string(*start) + " m" + tail);
    }
    if (adjusted % 50 != 0) {
      std::string with_flag = *flag == 1 ? " with the 100 m its flag 1 adds" : "";
      return context.Error(kErrorChainage, Description::kLine, record.At(1),
                           "the " + std::string(record.kind) + " has a chainage offset of " +
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

std::optional<std::string> DiagnosticContext::LineOf(Description description, int line) const {
  const SourceLines* lines = description == Description::kLine ? line_lines : train_lines;
  if (lines == nullptr) return std::nullopt;
  return lines->Line(line);
}

bool DiagnosticContext::AtEndOfText(Description description, TextPosition where) const {
  const SourceLines* lines = description == Description::kLine ? line_lines : train_lines;
  if (lines == nullptr || where.line > lines->count()) return true;
  const std::optional<std::string> line = lines->Line(where.line);
  return line && where.line == lines->count() && static_cast<size_t>(where.column) > line->size();
}

std::string DiagnosticContext::FieldAt(Description description, TextPosition where) const {
  const std::optional<std::string> line = LineOf(description, where.line);
  if (!line || where.column < 1 || static_cast<size_t>(where.column) > line->size()) return "";
  const size_t start = static_cast<size_t>(where.column - 1);
  size_t end = line->find(',', start);
  if (end == std::string::npos) end = line->size();
  while (end > start && ((*line)[end - 1] == ' ' || (*line)[end - 1] == '\t')) --end;
  return line->substr(start, end - start);
}

std::string RecordAt(const RecordRead& record) {
  const std::string noun(record.kind == "speed boards" ? "speed board" : record.kind.name());
  const std::optional<int64_t> position = record.Number(0);
  if (!position) return "the " + noun + " record";
  std::string name;
  // The name as the simulator will show it, whatever bytes it holds.
  if (record.kind == "stop" && !record.Text(16).empty()) name = " " + CodePageToUtf8(record.Text(16));
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
