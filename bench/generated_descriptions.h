// Made-up line and train descriptions of any route length, for measuring the
// compile step on lines longer than the carried one. They follow the text
// formats of the carried descriptions (CR LF lines, keyword records) and are
// laid out so that no two objects aim at the same cell: they compile with
// error code 0.
#pragma once

#include <cstdint>
#include <string>

namespace scenario::bench {

// A line of route_length metres (a multiple of 1000, 10000 or more, at most
// 1000000) with gradients, tunnels, speed boards, sign boards and curves one
// after another up to its end: the last curve ends at row route_length - 1,
// the highest row a curve may reach on the longest line.
std::string GeneratedLineText(int32_t route_length);

// A run over that line: a signal every 1500 m, code reductions, speed
// limits, adhesion, stops and a few slowdowns.
std::string GeneratedTrainText(int32_t route_length);

}  // namespace scenario::bench
