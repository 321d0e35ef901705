// The warnings of scenario-compile: input that compiles but almost certainly
// does not mean what its author meant. Each has a short name, declared with
// its rules in warning_kinds.def; -Wno-NAME
// silences it, -WNAME turns it back on. Warnings never change what is
// compiled; --warnings-as-errors (or -Werror) makes them count as errors for
// the exit status.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/diagnostics/diagnostic.h"
#include "tools/diagnostics/diagnostic_errors.h"
#include "tools/diagnostics/warning_kinds.h"
#include "tools/diagnostics/warning_list.h"

namespace scenario {

struct WarningOptions {
  std::set<std::string> disabled;
  bool as_errors = false;
};

// Takes the warning switches (-Wno-NAME, -WNAME, -Werror,
// --warnings-as-errors) out of the arguments, leaving the others in order.
// Returns an error message for an unknown name, else "".
std::string TakeWarningSwitches(std::vector<std::string>* arguments, WarningOptions* options);

// All warnings of one compile, the silenced ones left out, at most
// kWarningsPerKind of each kind kept.
WarningList WarningDiagnostics(const DiagnosticContext& context, const WarningOptions& options);

// The pieces (warnings_*.cc); each appends what it finds.
// Order, range and overlap of the profile, curve and stop records; stops of a
// kind the grid ignores; the timetable.
void RecordWarnings(const DiagnosticContext& context, WarningList* out);
// Stops: order, kinds the grid ignores, the timetable, too few stops.
void StopWarnings(const DiagnosticContext& context, const std::vector<const RecordRead*>& stops,
                  WarningList* out);
// How keyword fields were read: comments taken as keywords, several records
// in one field, records of the wrong section, the last field of a text.
void FieldWarnings(const DiagnosticContext& context, WarningList* out);

// A comma that ends a comment, a stop name or a sign text with more text
// after it on the line, which is then read as fields of its own.
struct TextComma {
  Description description = Description::kLine;
  TextPosition comma;
  const CommaComment* comment = nullptr;  // the comment that ends there, or
  const RecordRead* record = nullptr;    // the stop or sign board whose text does
  std::string rest;                      // the field after the comma
};
std::vector<TextComma> TextCommas(const DiagnosticContext& context);
// Comments and texts that end at a comma.
void CommaWarnings(const DiagnosticContext& context, const std::vector<TextComma>& commas,
                   WarningList* out);
// Keyword fields that match no record: misspelt, of the other description,
// or not keywords at all. Fields after one of the commas on their line are
// left to the comma's warning.
void UnknownKeywordWarnings(const DiagnosticContext& context,
                            const std::vector<TextComma>& commas, WarningList* out);

// Stop names and sign texts in UTF-8 or holding control bytes.
void TextWarnings(const DiagnosticContext& context, WarningList* out);
// The values of each record against what its fields keep: speed boards and
// signals (warnings_packed.cc), tunnels (warnings_tunnels.cc), and the
// profile, slowdown, curve and stop values (warnings_values.cc).
void PackedValueWarnings(const DiagnosticContext& context, WarningList* out);
void TunnelWarnings(const DiagnosticContext& context, WarningList* out);
void ValueWarnings(const DiagnosticContext& context, WarningList* out);
// The shape of the texts: records in a preamble, numbers split by a comma or
// a blank, lone CRs, repeated single records, the route length and records
// past it (warnings_structure.cc).
void StructureWarnings(const DiagnosticContext& context, WarningList* out);

// A warning at a field of a description (or about the whole file when the
// position has no line).
Diagnostic Warning(const DiagnosticContext& context, WarningName name, Description description,
                   TextPosition where, std::string message);

// A warning at the i-th value of a record; the message is built only when
// the list keeps it.
template <typename Message>
void WarnAtValue(const DiagnosticContext& context, WarningList* out, WarningName name,
                 const RecordRead& record, size_t value, Message message) {
  if (!out->Admit(name, record.description, record.At(value))) return;
  out->push_back(Warning(context, name, record.description, record.At(value), message()));
}


}  // namespace scenario
