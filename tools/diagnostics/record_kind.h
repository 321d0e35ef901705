// A kind of record ("gradient", "stop", ...) in one byte: its place in the
// keyword table. A description may hold millions of records, and the name
// each one was read as is always one of the table's.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace scenario {

class RecordKind {
 public:
  RecordKind() = default;
  // A name the keyword table does not hold reads back as "".
  explicit RecordKind(std::string_view name);

  std::string_view name() const;
  uint8_t code() const { return code_; }
  operator std::string_view() const { return name(); }
  bool starts_with(std::string_view prefix) const { return name().starts_with(prefix); }

  friend bool operator==(RecordKind a, RecordKind b) { return a.code_ == b.code_; }
  friend bool operator==(RecordKind a, std::string_view b) { return a.name() == b; }
  friend bool operator==(RecordKind a, const char* b) { return a.name() == b; }
  friend std::ostream& operator<<(std::ostream& out, RecordKind kind) { return out << kind.name(); }

 private:
  uint8_t code_ = 0;  // 0: none; else the place in the table, from 1
};

}  // namespace scenario
