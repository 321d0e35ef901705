#include "tools/diagnostics/warnings.h"

namespace scenario {

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

Diagnostic Warning(const DiagnosticContext& context, WarningName name, Description description,
                   TextPosition where, std::string message) {
  Diagnostic diagnostic;
  diagnostic.severity = Severity::kWarning;
  diagnostic.warning = name.c_str();
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
