#include "tools/diagnostics/warnings.h"

#include <algorithm>

namespace scenario {

const std::vector<WarningKind>& AllWarnings() {
  static const std::vector<WarningKind> kWarnings = {
      {"gradient-order", "a gradient record behind the one before it"},
      {"curve-order", "a curve that starts before the curve before it"},
      {"curve-overlap", "a curve that starts before the curve before it ends"},
      {"speed-limit-order", "a speed-limit record behind the one before it"},
      {"adhesion-order", "an adhesion record behind the one before it"},
      {"stop-order", "a stop record behind the stop before it"},
      {"gradient-range", "a gradient outside -100 to 155, stored as its low 8 bits"},
      {"adhesion-range", "an adhesion outside 0 to 255, stored as its low 8 bits"},
      {"comment-keyword", "a comment line past the comment limit read as a record"},
      {"several-records", "a keyword field read as several records"},
      {"wrong-section", "a record in the section where it is not recognised"},
      {"keyword-case", "a general record whose keyword words must be lower case"},
      {"last-field", "a record keyword that is the last field of the text, never read"},
      {"ignored-approach", "a stop of kind 25 or above with approach values"},
      {"ignored-stop-kind", "a timed, first or last stop of a kind the grid ignores"},
      {"few-stops", "a train description with no stop or a single stop"},
      {"time-order", "scheduled times that go backwards along the route"},
      {"unknown-keyword", "a keyword field that matches no record"},
      {"comment-comma", "a comment that ends at a comma, the rest read as fields"},
      {"name-comma", "a stop name or sign text cut at a comma"},
      {"tab-cleared", "a stop's tab stored as 0 (a zone under 600 m, or the first stop)"},
      {"utf8-text", "a stop name or sign text in UTF-8, shown otherwise by the simulator"},
      {"control-byte", "a stop name or sign text holding a control byte (NUL, tab, CR, ...)"},
      {"board-speed",
       "a board speed below 0, not a multiple of 5, or above 495 km/h: the packed value reads "
       "back otherwise, or shows more than a board does"},
      {"board-stripes", "a board's stripes outside 0 to 9, which spill into the other board's"},
      {"signal-digit",
       "a signal's s1 to s3, d1 to d3 or rapp outside 0 to 9, sx outside 0 to 3, dx outside 0 to "
       "2, or sx x 3 + dx above 9: the packed field reads back otherwise"},
      {"signal-tempo",
       "a signal's tempo that is ignored (sx not 2), raised to 101 (1 to 100) or cut to 8 bits"},
      {"tunnel-kind", "a tunnel kind (less 10 for markers) of 0 or below, or above 255"},
      {"tunnel-span", "a tunnel that marks no cell: too short, or its end before its start"},
      {"tunnel-overlap", "a tunnel that overlaps one read before it, whose cells it marks again"},
      {"tunnel-gap",
       "a tunnel that starts 150 m or less after the end of the tunnel read before it: made kind "
       "3"},
      {"speed-limit-step", "a speed limit not a multiple of 5 km/h, kept as the nearest one"},
      {"speed-limit-range", "a speed limit below 0 or above 300 km/h"},
      {"slowdown-speed", "a slowdown at 0 km/h or less"},
      {"length-range",
       "a curve or stop length of 0 or less (a curve is then dropped), or a slowdown length that "
       "puts its end board before or on its start board"},
      {"time-range",
       "a scheduled time or the clock with hours outside 0 to 23, or minutes or seconds outside "
       "0 to 59"},
      {"empty-name", "a stop with an empty name"},
      {"beyond-route", "a record that stands past the end of the route, in the grid's overrun"},
      {"preamble-record",
       "a record keyword before [generale] (or a train description without it): dropped"},
      {"number-split",
       "a bare number where a keyword is expected, after a value on its line: a decimal comma, a "
       "blank or a thousands separator in that value"},
      {"line-ends", "a CR alone, which ends no line: a text of them reads as one line"},
      {"repeated-record",
       "a second route length, clock or other single record, which replaces the first"},
      {"route-length", "a route length of 0"},
  };
  return kWarnings;
}

bool IsWarningName(std::string_view name) {
  const std::vector<WarningKind>& all = AllWarnings();
  return std::any_of(all.begin(), all.end(),
                     [&](const WarningKind& kind) { return name == kind.name; });
}

std::string TakeWarningSwitches(std::vector<std::string>* arguments, WarningOptions* options) {
  std::vector<std::string> kept;
  for (const std::string& argument : *arguments) {
    if (argument == "-Werror" || argument == "--warnings-as-errors") {
      options->as_errors = true;
      continue;
    }
    if (!argument.starts_with("-W")) {
      kept.push_back(argument);
      continue;
    }
    const bool off = argument.starts_with("-Wno-");
    const std::string name = argument.substr(off ? 5 : 2);
    if (!IsWarningName(name)) return "unknown warning switch " + argument;
    if (off) {
      options->disabled.insert(name);
    } else {
      options->disabled.erase(name);
    }
  }
  *arguments = std::move(kept);
  return "";
}

Diagnostic Warning(const DiagnosticContext& context, const char* name, Description description,
                   TextPosition where, std::string message) {
  Diagnostic diagnostic;
  diagnostic.severity = Severity::kWarning;
  diagnostic.warning = name;
  diagnostic.description = description;
  diagnostic.file = context.FileOf(description);
  if (where.line > 0) {
    diagnostic.line = where.line;
    diagnostic.column = where.column;
  }
  diagnostic.message = std::move(message);
  return diagnostic;
}

WarningList WarningDiagnostics(const DiagnosticContext& context, const WarningOptions& options) {
  WarningList all(&options.disabled);
  RecordWarnings(context, &all);
  PackedValueWarnings(context, &all);
  TunnelWarnings(context, &all);
  ValueWarnings(context, &all);
  StructureWarnings(context, &all);
  FieldWarnings(context, &all);
  const std::vector<TextComma> commas = TextCommas(context);
  CommaWarnings(context, commas, &all);
  TextWarnings(context, &all);
  // A text of noise has a field that matches nothing on every line.
  if (!options.disabled.contains("unknown-keyword")) UnknownKeywordWarnings(context, commas, &all);
  return all;
}

}  // namespace scenario
