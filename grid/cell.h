// One 50 m stretch of the route: the object that stands there and the
// stretch's profile values.
#pragma once

#include <cstdint>

namespace scenario {

enum CellType : uint8_t {
  kEmpty = 0,
  kSignal = 1,
  kSlowdownEnd = 2,
  kSlowdownStart = 3,
  kSlowdownWarning = 4,
  kSlowdownPrewarning = 5,
  kSpeedBoard = 6,
  kStationStop = 10,
  kTunnelMarker = 11,
  kCodeReduction = 12,
  kCodeZero = 13,
  kSignBoard = 14,
};

struct Cell {
  uint8_t cell_type = 0;
  int16_t value_a = 0;
  int16_t value_b = 0;
  int16_t value_c = 0;
  int16_t value_d = 0;
  uint8_t signal_time = 0;
  uint8_t approach_mark = 0;
  uint8_t tunnel_kind = 0;
  uint8_t speed_limit = 0;
  uint8_t gradient = 0;
  uint8_t adhesion = 0;

  // Objects other than a stop point go only into a free cell; a tunnel
  // marker gives way to them.
  bool IsFree() const { return cell_type == kEmpty || cell_type == kTunnelMarker; }

  bool operator==(const Cell&) const = default;
};

// Values stored into 16-bit and 8-bit fields keep their low bits.
inline int16_t Low16(int64_t value) { return static_cast<int16_t>(static_cast<uint16_t>(value & 0xffff)); }
inline uint8_t Low8(int64_t value) { return static_cast<uint8_t>(value & 0xff); }

}  // namespace scenario
