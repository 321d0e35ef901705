// One step of the plan of the track, computed and recognised side by side.
// Every row from 2 on extends the row before by the difference of the two
// rows before it, turned by the curve's turn per metre inside a curve; the
// turn of a computed row is found again by computing each candidate step and
// keeping the one that gives the row's very bits.
#pragma once

#include <optional>
#include <span>

namespace scenario {

struct PlanPoint {
  double x = 0.0;
  double y = 0.0;
  bool operator==(const PlanPoint&) const = default;
};

// Plain doubles in this exact order, as the line reader computes them (no
// fused multiply-add): a turn of 0 is the straight step.
inline PlanPoint PlanStep(PlanPoint before_last, PlanPoint last, double turn) {
  const double dx = last.x - before_last.x;
  const double dy = last.y - before_last.y;
  if (turn == 0.0) return {last.x + dx, last.y + dy};
  return {last.x + (dx + turn * dy), last.y + (dy - turn * dx)};
}

// The turn of `row`, computed from the two rows before it: 0 for a straight
// step, one of `turns` for a curved one; none when no step gives its bits.
inline std::optional<double> TurnOfStep(PlanPoint before_last, PlanPoint last, PlanPoint row,
                                        std::span<const double> turns) {
  if (PlanStep(before_last, last, 0.0) == row) return 0.0;
  for (double turn : turns) {
    if (PlanStep(before_last, last, turn) == row) return turn;
  }
  return std::nullopt;
}

}  // namespace scenario
