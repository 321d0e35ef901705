// What a reader of a grid file wants to see: the objects by cell, with the
// route position they stand for, and the profile values as stretches.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "grid/cell.h"
#include "grid/cell_types.h"

namespace scenario {

inline constexpr int64_t kCellMetres = 50;

// CellTypeName (grid/cell_types.h) names a cell type: "signal",
// "speed_board", ...; "empty" for 0 and "type_N" for a code no writer uses.

// The route position (m) an object's cell stands for, undoing the writer's
// cell rule: position / 50 + 1 for signals, boards and slowdown boards,
// position / 50 for code changes, pre-warning boards and tunnel markers, and
// the stop zone's end / 50 - 1 for a stop cell.
int64_t NominalPosition(uint8_t cell_type, int64_t cell);

// A cell worth listing: it holds an object or an approach mark.
bool CellIsListed(const Cell& cell);

// The object's values under the names the writers give them, for the types
// that carry values (signals, slowdown boards, speed boards, stops, code
// reductions, sign boards); empty for the others.
std::vector<std::pair<std::string, int>> ObjectValues(const Cell& cell);

// One profile attribute of the grid.
enum class Profile { kSpeedLimit, kGradient, kAdhesion, kTunnelKind };
const char* ProfileName(Profile profile);  // the cell field's name
uint8_t ProfileByte(const Cell& cell, Profile profile);
// The stored byte in the profile's unit: km/h (x 5), per mille (- 100), or as
// stored for adhesion and tunnel kind.
int ProfileValue(uint8_t stored, Profile profile);

// A run of cells with the same stored byte.
struct Stretch {
  int64_t first_cell = 0;
  int64_t last_cell = 0;
  uint8_t stored = 0;
};
std::vector<Stretch> ProfileStretches(const std::vector<Cell>& cells, Profile profile);

}  // namespace scenario
