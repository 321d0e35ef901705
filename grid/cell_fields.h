// The packed cell fields and their unpacking, side by side. The writers pack
// several values of a record into one 16-bit field (a signal's s1 * 10 + d1,
// a speed board's round(vad / 5 + vas * 20)); every tool that shows a cell,
// and the decompiler that writes records back, unpacks them here, so that a
// value comes apart exactly the way it was put together.
#pragma once

#include <cstdint>

#include "grid/cell.h"
#include "grid/rounding.h"

namespace scenario {

// Division that rounds down, so that a value packed from digit groups comes
// apart the same way whatever its sign.
inline int64_t FloorDiv(int64_t value, int64_t by) {
  const int64_t q = value / by;
  return (value % by != 0 && (value < 0) != (by < 0)) ? q - 1 : q;
}
inline int64_t FloorRest(int64_t value, int64_t by) { return value - FloorDiv(value, by) * by; }

// A digit pair: tens * 10 + units (a signal's s1 and d1, s2 and d2, s3 and
// d3; a speed board's strisces and strisced).
inline int16_t PackDigitPair(int64_t tens, int64_t units) { return Low16(tens * 10 + units); }
struct DigitPair {
  int64_t tens = 0;
  int64_t units = 0;
};
// Units 0 .. 9; PackDigitPair of the result gives `stored` back.
inline DigitPair UnpackDigitPair(int16_t stored) {
  return {FloorDiv(stored, 10), FloorRest(stored, 10)};
}

// A signal's value_d: rapp * 10 + sx * 3 + dx. Its sides sx * 3 + dx also
// head the signal's approach marks.
inline int16_t PackSignalSides(int64_t rapp, int64_t sx, int64_t dx) {
  return Low16(rapp * 10 + sx * 3 + dx);
}
struct SignalSides {
  int64_t rapp = 0;
  int64_t sx = 0;
  int64_t dx = 0;
};
// sx from the sides in threes; `left_timed` asks for sx 2 (the only side
// that keeps a signal time), dx then taking the rest, negative if need be.
inline SignalSides UnpackSignalSides(int16_t stored, bool left_timed = false) {
  const int64_t sides = FloorRest(stored, 10);
  const int64_t sx = left_timed ? 2 : FloorDiv(sides, 3);
  return {FloorDiv(stored, 10), sx, sides - sx * 3};
}

// The signal time: a waiting time of 1 .. 100 s is raised to 101 (the writer
// hands the raised value back to its caller too), and only a signal with sx 2
// keeps it (low 8 bits); the others get 0.
inline int64_t RaiseSignalTime(int64_t tempo) { return tempo >= 1 && tempo <= 100 ? 101 : tempo; }
inline uint8_t PackSignalTime(int64_t sx, int64_t tempo) {
  return sx == 2 ? Low8(RaiseSignalTime(tempo)) : 0;
}
// A tempo that an sx-2 signal stores as `stored`: 1 .. 100 cannot be written
// as such (it would become 101), so it comes back 256 higher.
inline int64_t UnpackSignalTime(uint8_t stored) {
  return stored >= 1 && stored <= 100 ? int64_t{stored} + 256 : stored;
}

// The k-th approach mark (k = 1 .. 4) in cell c - 2k in front of a signal.
inline uint8_t PackSignalApproachMark(int64_t sx, int64_t dx, int64_t k) {
  return Low8((sx * 3 + dx) * 10 + k);
}

// A speed board's value_a, value_b or value_c: round(right / 5 + left * 20),
// speeds in km/h. Stored values outside int16 are the reader's failure.
inline int64_t PackBoardSpeeds(int64_t left, int64_t right) {
  return RoundDiv(right + left * 100, 5);
}
struct BoardSpeeds {
  int64_t left = 0;   // vas, vbs, vcs: the hundreds, in fives
  int64_t right = 0;  // vad, vbd, vcd: the rest, in fives
};
inline BoardSpeeds UnpackBoardSpeeds(int16_t stored) {
  return {FloorDiv(stored, 100) * 5, FloorRest(stored, 100) * 5};
}

// The line speed limit of a cell, in fives of km/h.
inline int64_t PackSpeedLimit(int64_t kmh) { return RoundDiv(kmh, 5); }
inline int64_t UnpackSpeedLimit(uint8_t stored) { return int64_t{stored} * 5; }

// The gradient of a cell: per mille + 100, low 8 bits (level is 100).
inline uint8_t PackGradient(int64_t per_mille) { return Low8(per_mille + 100); }
inline int64_t UnpackGradient(uint8_t stored) { return int64_t{stored} - 100; }

// A tunnel kind asks for markers above 10, and is stored 10 lower.
inline constexpr int64_t kTunnelMarkerKinds = 10;
inline int64_t TunnelKindAsWritten(uint8_t stored, bool markers) {
  return markers ? int64_t{stored} + kTunnelMarkerKinds : stored;
}

}  // namespace scenario
