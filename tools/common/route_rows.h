// The rows of a route file read in order, x and y together, straight from
// the file through two small buffers: the x column from the file's start,
// the y column from where the x column ends. However long the route, the
// memory taken stays the same; the picture reads the plan this way, never
// holding a row per metre.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "app/status.h"
#include "records/route_file_decoder.h"

namespace scenario {

class RouteFileRows {
 public:
  RouteFileRows() = default;
  ~RouteFileRows();
  RouteFileRows(const RouteFileRows&) = delete;
  RouteFileRows& operator=(const RouteFileRows&) = delete;

  // Opens the file and decodes every element once, to find the columns. A
  // failure says what is wrong, as DecodeRouteFile says it, or why the file
  // cannot be read. The file stays open, so that every later pass reads the
  // same file even if another is renamed over its name.
  Status Open(const std::filesystem::path& path);
  int64_t rows() const { return rows_; }
  uint64_t size() const { return size_; }

  // Calls visit(row, x, y) for every row from 0 in order; a failure to
  // read the file again is returned.
  using Visit = std::function<void(int64_t row, const RouteElement& x, const RouteElement& y)>;
  Status ForEachRow(const Visit& visit) const;

 private:
  int fd_ = -1;
  uint64_t size_ = 0;
  int64_t rows_ = 0;
  uint64_t y_offset_ = 0;  // where the y column begins
};

// Whether a row is a point of the plan: both elements finite numbers.
bool IsPlanPoint(const RouteElement& x, const RouteElement& y);

}  // namespace scenario
