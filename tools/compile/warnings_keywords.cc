#include "tools/compile/warnings_keywords.h"

#include "descriptions/field_stream.h"

namespace scenario {

namespace {

struct KeywordRule {
  const char* kind;
  const char* first;
  const char* second;  // "" when one word is enough
  bool exact_case;
};

// Line description, general section.
constexpr KeywordRule kGeneralRules[] = {
    {"route length", "lunghezza", "percorso", false},
    {"chainage section 3", "progressiva", "tre", true},
    {"chainage section 2", "progressiva", "due", true},
    {"chainage section 1", "progressiva", "uno", true},
    {"background 1", "sfondo", "uno", true},
    {"background 2", "sfondo", "due", true},
    {"background 3", "sfondo", "tre", true},
    {"signal repetition", "segnali", "ripetizione", true},
};

// Line description, data sections.
constexpr KeywordRule kDataRules[] = {
    {"gradient", "pendenza", "", false},
    {"curve", "curva", "", false},
    {"tunnel", "montagna", "", false},
    {"speed boards", "indicatori_v", "", false},
    {"sign board", "cartello", "indicat", false},
};

// Train description; the stop is tested last.
constexpr KeywordRule kTrainRules[] = {
    {"braked mass", "frenata", "massa", false},
    {"carriages", "vetture", "", false},
    {"speed limit", "velocit", "", false},
    {"adhesion", "aderenza", "", false},
    {"clock", "orologio", "", false},
    {"sand", "sabbia", "", false},
    {"signal", "segnale", "", false},
    {"slowdown", "rallentamento", "", false},
    {"code reduction", "abbattimento", "", false},
    {"stop", "stazione", "", false},
};

bool Holds(std::string_view field, const char* word, bool exact_case) {
  if (*word == '\0') return true;
  return exact_case ? ContainsExact(field, word) : ContainsAnyCase(field, word);
}

bool Matches(const KeywordRule& rule, std::string_view field, bool exact_case) {
  return Holds(field, rule.first, exact_case) && Holds(field, rule.second, exact_case);
}

template <size_t N>
void Collect(const KeywordRule (&rules)[N], std::string_view field, bool curves_read,
             std::vector<std::string>* kinds) {
  for (const KeywordRule& rule : rules) {
    if (!curves_read && std::string_view(rule.kind) == "curve") continue;
    if (Matches(rule, field, rule.exact_case)) kinds->push_back(rule.kind);
  }
}

}  // namespace

std::vector<std::string> RecordsStartedBy(KeywordScope scope, std::string_view field,
                                          bool curves_read) {
  std::vector<std::string> kinds;
  switch (scope) {
    case KeywordScope::kLineGeneral: Collect(kGeneralRules, field, curves_read, &kinds); break;
    case KeywordScope::kLineData: Collect(kDataRules, field, curves_read, &kinds); break;
    case KeywordScope::kTrainBody: Collect(kTrainRules, field, curves_read, &kinds); break;
  }
  return kinds;
}

std::vector<std::string> GeneralRecordsInOtherCase(std::string_view field) {
  std::vector<std::string> kinds;
  for (const KeywordRule& rule : kGeneralRules) {
    if (rule.exact_case && !Matches(rule, field, true) && Matches(rule, field, false)) {
      kinds.push_back(rule.kind);
    }
  }
  return kinds;
}

}  // namespace scenario
