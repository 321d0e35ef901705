// The kinds of warning, made from the one list in warning_kinds.def, and the
// name by which the code that finds a warning names its kind: a name that is
// not in the list does not compile.
#pragma once

#include <span>
#include <string_view>

namespace scenario {

struct WarningKind {
  const char* name;     // the switch: -Wno-NAME, -WNAME
  const char* summary;  // one line, for --help
  const char* guide;    // its row in the author's guide's table of warnings
};

// Every warning, in the order of the help text.
inline constexpr WarningKind kWarningKinds[] = {
#define SCENARIO_WARNING(name, summary, guide) {name, summary, guide},
#include "tools/diagnostics/warning_kinds.def"
};

constexpr bool IsWarningName(std::string_view name) {
  for (const WarningKind& kind : kWarningKinds) {
    if (name == kind.name) return true;
  }
  return false;
}

inline std::span<const WarningKind> AllWarnings() { return kWarningKinds; }

namespace warning_kinds_detail {
// Never defined, and not constexpr: a name missing from warning_kinds.def
// stops the compile at the call of this function.
void NameNotInWarningKindsDef();
}  // namespace warning_kinds_detail

// A warning's kind as the code that finds it names it: "tunnel-gap". Made
// only while compiling, from a name of the list.
class WarningName {
 public:
  consteval WarningName(const char* name) : name_(name) {  // NOLINT: implicit on purpose
    if (!IsWarningName(name)) warning_kinds_detail::NameNotInWarningKindsDef();
  }
  constexpr operator std::string_view() const { return name_; }  // NOLINT
  constexpr const char* c_str() const { return name_; }

 private:
  const char* name_;
};

}  // namespace scenario
