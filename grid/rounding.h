// Real-to-integer conversion of the whole system: the nearest integer, exact
// halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0). Nothing
// truncates. The quotients the system rounds (p / 50, v / 5, p - g / 2) are
// computed as doubles; their halves are exact in binary, so the tie test is
// exact as well.
#pragma once

#include <cmath>
#include <cstdint>

namespace scenario {

inline int64_t RoundHalfEven(double value) {
  return static_cast<int64_t>(std::nearbyint(value));  // default FE_TONEAREST
}

// round(numerator / denominator) for whole numbers, without going through
// floating point: used where both operands are integers.
inline int64_t RoundDiv(int64_t numerator, int64_t denominator) {
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  int64_t q = numerator / denominator;
  int64_t r = numerator % denominator;
  if (r < 0) {
    r += denominator;
    q -= 1;
  }
  // now numerator = q * denominator + r with 0 <= r < denominator
  if (2 * r > denominator || (2 * r == denominator && (q & 1) != 0)) q += 1;
  return q;
}

}  // namespace scenario
