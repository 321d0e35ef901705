#include "tools/diagnostics/record_kind.h"

#include <algorithm>
#include <vector>

#include "descriptions/keywords.h"

namespace scenario {

namespace {

// Every kind of the keyword table, each once, in the table's order.
const std::vector<const char*>& KindNames() {
  static const std::vector<const char*> kNames = [] {
    std::vector<const char*> names;
    for (KeywordScope scope :
         {KeywordScope::kLineGeneral, KeywordScope::kLineData, KeywordScope::kTrainBody}) {
      for (const RecordKeyword& keyword : KeywordsOf(scope)) {
        bool known = false;
        for (const char* name : names) known = known || std::string_view(name) == keyword.kind;
        if (!known) names.push_back(keyword.kind);
      }
    }
    return names;
  }();
  return kNames;
}

}  // namespace

RecordKind::RecordKind(std::string_view name) {
  const std::vector<const char*>& names = KindNames();
  const size_t count = std::min<size_t>(names.size(), 255);
  // The readers name a record with the table's own text: its address is
  // enough, and the letters are compared only for a name from elsewhere.
  for (size_t i = 0; i < count; ++i) {
    if (name.data() == names[i]) {
      code_ = static_cast<uint8_t>(i + 1);
      return;
    }
  }
  for (size_t i = 0; i < count; ++i) {
    if (name == names[i]) {
      code_ = static_cast<uint8_t>(i + 1);
      return;
    }
  }
}

std::string_view RecordKind::name() const {
  return code_ == 0 ? std::string_view() : std::string_view(KindNames()[code_ - 1]);
}

}  // namespace scenario
