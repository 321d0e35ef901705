// The error diagnostics of one compile: every error code a reader recorded,
// the one the completion pass left, and the fatal report, each in plain
// words naming the record, the position in metres and the cells involved.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/generator_state.h"
#include "tools/diagnostics/diagnostic.h"
#include "tools/diagnostics/diagnostic_recorder.h"

namespace scenario {

// What the diagnostics of one compile are built from.
struct DiagnosticContext {
  const GeneratorState& state;  // as the compile step left it
  const DiagnosticRecorder& recorder;
  std::string line_file;  // the paths as the author gave them
  std::string train_file;
  // The lines of the texts as they were read; null when not at hand.
  const SourceLines* line_lines = nullptr;
  const SourceLines* train_lines = nullptr;

  const std::string& FileOf(Description description) const {
    return description == Description::kLine ? line_file : train_file;
  }
  // Line `line` of a text (from 1), without its line end.
  std::optional<std::string> LineOf(Description description, int line) const;
  // Whether the position lies past the last character of the text.
  bool AtEndOfText(Description description, TextPosition where) const;
  // The field that begins there, up to the next comma or line end, trailing
  // blanks left out; "" when the text has no such place.
  std::string FieldAt(Description description, TextPosition where) const;
  // A diagnostic at a field of a description, or about the whole file when
  // the position has no line.
  Diagnostic Error(int32_t code, Description description, TextPosition where,
                   std::string message) const;
};

// `fatal`: 1250 or 1251 when the stamp step stopped the compile.
std::vector<Diagnostic> ErrorDiagnostics(const DiagnosticContext& context,
                                         std::optional<int32_t> fatal);

// The pieces, one per family of codes (diagnostic_errors_*.cc).
// Codes recorded by a reader at a record: 1, 3 to 10, 15 to 22, 24, 103.
Diagnostic RecordError(const DiagnosticContext& context, const ErrorRead& error);
// Codes 6, 7 and 16 to 21: an object aimed at a cell that is not free.
std::string OccupiedCellMessage(const DiagnosticContext& context, const ErrorRead& error,
                                const RecordRead& record);
// Code 15: a record beyond the grid.
std::string BeyondGridMessage(const DiagnosticContext& context, const ErrorRead& error,
                              const RecordRead& record);
// Code 25: the failure path, at the field where reading failed or, for a
// record short of values, at the record.
Diagnostic FailureError(const DiagnosticContext& context, const FailureRead& failure);
// Codes 11 to 13, left by the completion pass at this error position.
Diagnostic CompletionError(const DiagnosticContext& context, int32_t code, int32_t position);
// 1250 and 1251.
Diagnostic FatalError(const DiagnosticContext& context, int32_t number);

// A note at the route length, which sizes the grid and the route table, for
// an error that follows from it; in the train description, where a note
// cannot point into the line description, a word in the message instead.
void RouteLengthNote(const DiagnosticContext& context, Diagnostic* diagnostic);

// "the signal at 20500 m", "the stop BRESSOLA at 4500 m".
std::string RecordAt(const RecordRead& record);

}  // namespace scenario
