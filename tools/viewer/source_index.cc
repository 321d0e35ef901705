#include "tools/viewer/source_index.h"

namespace scenario::viewer {

const SourceRef* SourceIndex::Cell(int64_t cell) const {
  auto found = cells_.find(cell);
  return found == cells_.end() ? nullptr : &found->second;
}

const std::vector<RecordSource>& SourceIndex::Records(std::string_view kind) const {
  static const std::vector<RecordSource> kNone;
  auto found = records_.find(kind);
  return found == records_.end() ? kNone : found->second;
}

}  // namespace scenario::viewer
