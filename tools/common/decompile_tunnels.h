// Tunnel records from the cells: each run of cells with one tunnel kind is
// one tunnel, asking for markers when its every fourth cell holds one (or an
// object that took a marker's place). A tunnel that starts 150 m or less
// after the end of the tunnel record before it gets the joined kind 3
// whatever its own; when its kind is another, a record that marks nothing
// is put before it, so that the record before it ends far away.
#pragma once

#include <string>
#include <vector>

#include "grid/cell.h"

namespace scenario {

void AppendTunnels(const std::vector<Cell>& cells, std::string* out, std::vector<std::string>* notes);

}  // namespace scenario
