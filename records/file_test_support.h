// Inputs for the tests of the binary files, built with the packager's own
// encoders: the named empty scenario table, a straight route, bytes by hand.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "records/route_table.h"
#include "records/scenario_table.h"

namespace scenario::file_test {

// A reset table with the route and train names, as every compiled scenario
// has them.
inline ScenarioTable NamedTable() {
  ScenarioTable table;
  table.Reset();
  table[kRouteRow].name = "Corvena_Lidra1";
  table[kTrainRow].name = "7304";
  return table;
}

// The route table of a line description without curves: rows 0 .. L + 7000,
// rows 0 and 1 as 16-bit integers, then (0, j) as reals up to L + 6998.
inline RouteTable StraightRoute(int64_t length) {
  RouteTable route;
  route.Size(length + 7000);
  route.SetOrigin();
  route.Extend(length + 6998, 0.0);
  return route;
}

inline std::string RouteBytes(const RouteTable& route) {
  std::string bytes;
  route.Encode(&bytes);
  return bytes;
}

inline std::string Hex(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out.push_back(static_cast<char>(b));
  return out;
}

}  // namespace scenario::file_test
