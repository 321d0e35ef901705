// Inputs for the scenario-inspect tests, built with the packager's own
// encoders, and a temporary folder that cleans up after itself.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "grid/grid_file.h"
#include "grid/track_grid.h"
#include "records/route_table.h"
#include "records/scenario_table.h"

namespace scenario::inspect_test {

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
  route.SetInt16(0, 0, 0);
  route.SetInt16(1, 0, 1);
  for (int64_t row = 2; row <= length + 6998; ++row) route.SetReal(row, 0.0, static_cast<double>(row));
  return route;
}

// Rows from `first` to `last` computed the way the line reader does: each row
// extends the previous one by the difference of the two before it, turned by
// k per metre (k = 0 for a straight step).
inline void ExtendRoute(RouteTable* route, int64_t first, int64_t last, double k) {
  for (int64_t j = first; j <= last; ++j) {
    double dx = route->X(j - 1) - route->X(j - 2), dy = route->Y(j - 1) - route->Y(j - 2);
    route->SetReal(j, route->X(j - 1) + (dx + k * dy), route->Y(j - 1) + (dy - k * dx));
  }
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

class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("scenario-inspect-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

  std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace scenario::inspect_test
