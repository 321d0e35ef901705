// The values an author wrote in the descriptions, read back from what the
// compile stored: a speed board's three speeds in km/h and its stripes
// rather than vad / 5 + vas * 20, a signal's written fields rather than
// s1 * 10 + d1, a curve's class and radius, a stop row's values under the
// names of the description. The dump, the JSON (beside the raw values) and
// the picture's tooltips all show these; so can any other view, since
// nothing here is formatted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/cell.h"
#include "records/scenario_table.h"

namespace scenario {

struct AuthorValue {
  // The group the description writes the value in ("left", "right" for a
  // board or signal; "first", "second", "time" for a stop), or "".
  std::string group;
  std::string name;  // as the description names it: "vas", "sx", "tps", "d2"
  int64_t value = 0;
  std::string unit;  // "km/h", "m", or "" for a plain number
};

// vas vbs vcs strisces (left), vad vbd vcd strisced (right). Each stored
// value holds the left speed in fives as its hundreds and the right one as
// the rest.
std::vector<AuthorValue> SpeedBoardAsWritten(const Cell& cell);
// sx s1 s2 s3 rapp (left), dx d1 d2 d3 tempo (right); tempo is the stored
// signal time (a tempo of 1 to 100 is stored as 101, and only with sx 2).
std::vector<AuthorValue> SignalAsWritten(const Cell& cell);
// Any object cell: signals and speed boards as above, the other objects'
// values as the writers store them, which is as written (the slowdown's v,
// d_v and f_tt, a code reduction's code, the scenario row of a stop or sign).
std::vector<AuthorValue> CellAsWritten(const Cell& cell);

// position, kind, length (m, from the stop zone), tps, tab, mar, first d2
// d3 rap, second d1 d2 d3 ac, and the time as hours, minutes, seconds.
std::vector<AuthorValue> StopAsWritten(const ScenarioRow& row);

struct CurveClass {
  int number = 0;       // 1 to 6; 0 when the turn is no class's
  double radius = 0.0;  // metres: the class's, or one over the turn
  bool left = false;
};
// The class of a curve from the turn per metre found in the plan.
CurveClass CurveClassOf(double turn_per_metre);

}  // namespace scenario
