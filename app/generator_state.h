// The generator state: everything one run knows, in one place. Every step of
// the compile works on the instance it is handed; there is no other state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "descriptions/read_observer.h"
#include "grid/track_grid.h"
#include "records/route_table.h"
#include "records/scenario_table.h"

namespace scenario {

inline constexpr const char* kRouteName = "Corvena_Lidra1";
inline constexpr const char* kTrainNumber = "7304";

struct GeneratorState {
  std::string route_name;
  std::string train_number;
  // The system's write-files flag: when 0 the route table is neither sized
  // nor filled (curve records are skipped) and the route file not written.
  int32_t build_route_table = 0;
  int32_t error_code = 0;
  int32_t error_position = 0;
  std::string current_field;
  ScenarioTable scenario;
  RouteTable route;
  TrackGrid grid;

  // Tunnel lists: entry n holds the n-th tunnel record of the line
  // description (n = 1, 2, ...); entry 0 is never used. They grow as needed.
  int32_t tunnel_count = 0;
  std::vector<int32_t> tunnel_start{0};
  std::vector<int32_t> tunnel_end{0};

  // Board row cursor: the scenario row that takes the next sign text.
  int32_t board_row_cursor = 80;

  // The listener of authoring tools (diagnostics); never changes what is
  // compiled. The packager's does nothing.
  ReadObserver* observer = SilentObserver();

  void SetError(int32_t code) { error_code = code; }
  void SetError(int32_t code, int32_t position) {
    error_code = code;
    error_position = position;
  }
};

}  // namespace scenario
