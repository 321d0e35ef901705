#include "grid/cell_types.h"

#include <array>

namespace scenario {

namespace {

constexpr std::array<CellTypeEntry, 12> kCellTypes = {{
    {kEmpty, "empty", "nothing", false},
    {kSignal, "signal", "a signal", true},
    {kSlowdownEnd, "slowdown_end", "a slowdown end board", true},
    {kSlowdownStart, "slowdown_start", "a slowdown start board", true},
    {kSlowdownWarning, "slowdown_warning", "a slowdown warning board", true},
    {kSlowdownPrewarning, "slowdown_prewarning", "a slowdown pre-warning board", true},
    {kSpeedBoard, "speed_board", "a speed board", true},
    {kStationStop, "station_stop", "a stop point", true},
    {kTunnelMarker, "tunnel_marker", "a tunnel marker", false},
    {kCodeReduction, "code_reduction", "a code reduction", true},
    {kCodeZero, "code_zero", "a code-zero mark", true},
    {kSignBoard, "sign_board", "a sign board", true},
}};

}  // namespace

std::span<const CellTypeEntry> CellTypes() { return kCellTypes; }

const CellTypeEntry* FindCellType(uint8_t code) {
  for (const CellTypeEntry& entry : kCellTypes) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

std::string CellTypeName(uint8_t code) {
  const CellTypeEntry* entry = FindCellType(code);
  return entry != nullptr ? entry->name : "type_" + std::to_string(code);
}

}  // namespace scenario
