// The one table of cell types: each code's name in the files' vocabulary,
// the object it stands for in a sentence, and whether it is an object (a
// cell that holds one is not free for another).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "grid/cell.h"

namespace scenario {

struct CellTypeEntry {
  uint8_t code;
  const char* name;    // "signal", "slowdown_start"
  const char* object;  // "a signal", "a slowdown start board"
  bool is_object;      // false for the empty cell and the tunnel marker
};

// Every type the writers place, in code order.
std::span<const CellTypeEntry> CellTypes();
// The entry of a code, or nullptr for a code no writer places.
const CellTypeEntry* FindCellType(uint8_t code);
// The name, or "type_<code>" for a code no writer places.
std::string CellTypeName(uint8_t code);

}  // namespace scenario
