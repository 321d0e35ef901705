// Where each object of a compiled scenario comes from: the description file
// and line of the record that made it. scenario-compile fills it from what
// its recorder saw (compile_sources.h); the compiled files alone
// (scenario-inspect) have no such index.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>


namespace scenario::viewer {

struct SourceRef {
  std::string file;  // the description's path as given on the command line
  int line = 0;
  std::string text;  // that line of the description
};

// One record of a description: its keyword field, its numbers in reading
// order and where it stands.
struct RecordSource {
  std::string field;
  std::vector<int64_t> numbers;
  SourceRef where;

  int64_t Number(size_t i) const { return i < numbers.size() ? numbers[i] : 0; }
};

class SourceIndex {
 public:
  void AddRecord(std::string kind, RecordSource record) { records_[std::move(kind)].push_back(std::move(record)); }
  void SetCell(int64_t cell, SourceRef source) { cells_[cell] = std::move(source); }

  // The record that put the object now in the cell; null for none (an empty
  // cell, or a code reduction of the completion pass).
  const SourceRef* Cell(int64_t cell) const;
  // The records of one kind ("gradient", "stop", ...), in reading order.
  const std::vector<RecordSource>& Records(std::string_view kind) const;

 private:
  std::map<int64_t, SourceRef> cells_;
  std::map<std::string, std::vector<RecordSource>, std::less<>> records_;
};

}  // namespace scenario::viewer
