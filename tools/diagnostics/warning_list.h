// The warnings of one compile as they are found, at most a fixed number of
// each kind kept: a description with a fault on every line would otherwise
// fill the terminal, the report and the memory with the same warning.
// The ones kept are those printed first (by text, line and column); the
// rest of each kind are only counted.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/diagnostics/diagnostic.h"
#include "tools/diagnostics/warning_kinds.h"

namespace scenario {

// At most this many warnings of one kind are printed and reported.
constexpr size_t kWarningsPerKind = 100;

class WarningList {
 public:
  explicit WarningList(const std::set<std::string>* disabled = nullptr,
                       size_t per_kind = kWarningsPerKind)
      : disabled_(disabled), per_kind_(per_kind) {}

  // Whether a warning of this kind at this place would be kept now: the
  // ones that would not are counted without building their message.
  bool Wants(WarningName name, Description description, TextPosition where) const;
  // Counts one that Wants() turned down, or `count` of them.
  void Count(WarningName name, int64_t count = 1);
  // Wants(), counting the warning found there when it is not wanted: the
  // finder then builds no message for it.
  bool Admit(WarningName name, Description description, TextPosition where) {
    if (Wants(name, description, where)) return true;
    Count(name);
    return false;
  }
  void push_back(Diagnostic diagnostic);

  // The warnings kept, in the order they were found.
  std::vector<Diagnostic> Take();
  // How many of each kind were found but not kept.
  const std::map<std::string, int64_t>& omitted() const { return omitted_; }
  // Every warning found, kept or not (the silenced ones not at all).
  int64_t found() const { return found_; }

 private:
  struct Kept {
    Diagnostic diagnostic;
    uint64_t order;  // when it was found
  };
  bool Silenced(std::string_view name) const;

  const std::set<std::string>* disabled_;
  size_t per_kind_;
  uint64_t next_order_ = 0;
  int64_t found_ = 0;
  // Each kind's kept warnings as a heap whose top is the one printed last.
  std::map<std::string, std::vector<Kept>, std::less<>> kept_;
  std::map<std::string, int64_t> omitted_;
};

}  // namespace scenario
