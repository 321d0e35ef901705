// The error diagnostics of one compile: every error code a reader recorded,
// the one the completion pass left, and the fatal report, each in plain
// words naming the record, the position in metres and the cells involved.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/generator_state.h"
#include "tools/compile/diagnostic.h"
#include "tools/compile/diagnostic_recorder.h"

namespace scenario {

// What the diagnostics of one compile are built from.
struct DiagnosticContext {
  const GeneratorState& state;  // as the compile step left it
  const DiagnosticRecorder& recorder;
  std::string line_file;  // the paths as the author gave them
  std::string train_file;

  const std::string& FileOf(Description description) const {
    return description == Description::kLine ? line_file : train_file;
  }
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
// Codes 11 to 13, left by the completion pass at this error position.
Diagnostic CompletionError(const DiagnosticContext& context, int32_t code, int32_t position);
// 1250 and 1251.
Diagnostic FatalError(const DiagnosticContext& context, int32_t number);

// "the signal at 20500 m", "the stop BRESSOLA at 4500 m".
std::string RecordAt(const RecordRead& record);

}  // namespace scenario
