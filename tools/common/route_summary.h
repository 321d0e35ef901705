// A summary of the plan in a route file: its size, the curves found as
// stretches of changing heading, the total turn and the bounding box.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "records/route_file_decoder.h"

namespace scenario {

// Rows past the route's end that every route table carries.
inline constexpr int64_t kRouteOverrunRows = 7000;

// A stretch where the heading changes by the same amount every metre. It
// runs from the last straight row `start_row` to the last turned row
// `end_row`. Headings are measured from +y towards +x, so a right-hand curve
// turns by a positive angle.
struct RouteCurve {
  int64_t start_row = 0;
  int64_t end_row = 0;
  double turn_degrees = 0.0;   // total turn over the stretch
  double turn_per_metre = 0.0;  // k of the curved step: tan of the turn per row
};

struct RouteSummary {
  int64_t rows = 0;
  int64_t route_length = -1;            // rows - 7001, or -1 when the table is shorter
  std::map<uint16_t, int64_t> tags;     // element count by tag
  int64_t point_rows = 0;               // rows whose two elements are finite numbers
  int64_t trailing_non_point_rows = 0;  // rows at the end that are not points
  bool has_points = false;
  double min_x = 0, max_x = 0, min_y = 0, max_y = 0;
  std::vector<RouteCurve> curves;
  double net_turn_degrees = 0.0;    // sum of the curves' signed turns
  double total_turn_degrees = 0.0;  // sum of their absolute turns
  double path_length = 0.0;         // sum of the step lengths between point rows
};

RouteSummary SummariseRoute(const RoutePlan& plan);

// Finds the curves row by row, from the last three rows: the same curves
// SummariseRoute finds, for a plan read in order from its file. Keeps them
// in `kept` when given; counts them either way.
class CurveFinder {
 public:
  explicit CurveFinder(std::vector<RouteCurve>* kept = nullptr) : kept_(kept) {}
  void Add(int64_t row, bool point, double x, double y);
  int64_t count() const { return count_; }

 private:
  struct Row {
    bool point = false;
    double x = 0, y = 0;
  };
  std::vector<RouteCurve>* kept_;
  Row before_last_, last_;
  RouteCurve open_;
  bool is_open_ = false;
  int64_t count_ = 0;
};

}  // namespace scenario
