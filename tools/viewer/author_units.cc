#include "tools/viewer/author_units.h"

#include <cmath>

#include "tools/inspect/text.h"

namespace scenario::viewer {

namespace {

std::string Number(int64_t value) { return std::to_string(value); }
std::string KmH(int64_t value) { return std::to_string(value) + " km/h"; }

// A board value packs the left speed as vas x 20 and the right one as
// vad / 5. The boards of a line carry the same speed on both sides, so the
// pair with the sides closest together is the one shown.
void AddBoardSpeeds(const char* side, int16_t stored, std::vector<ShownValue>* out) {
  int best_left = -1, best_right = -1;
  for (int right = 0; right <= 300; right += 5) {
    const int rest = stored - right / 5;
    if (rest < 0 || rest % 20 != 0) continue;
    const int left = rest / 20;
    if (best_left < 0 || std::abs(left - right) < std::abs(best_left - best_right)) {
      best_left = left;
      best_right = right;
    }
  }
  if (best_left < 0) {
    out->push_back({std::string("speed ") + side, "stored " + Number(stored)});
    return;
  }
  out->push_back({std::string("speed ") + side, best_left == best_right
                                                     ? KmH(best_left)
                                                     : KmH(best_left) + " left, " + KmH(best_right) + " right"});
}

}  // namespace

std::vector<ShownValue> CellAuthorValues(const Cell& c) {
  std::vector<ShownValue> out;
  switch (c.cell_type) {
    case kSignal: {
      // value_d = rapp x 10 + sx x 3 + dx, the aspects s x 10 + d.
      const int sides = c.value_d % 10;
      out = {{"sx", Number(sides / 3)},       {"s1", Number(c.value_a / 10)},
             {"s2", Number(c.value_b / 10)},  {"s3", Number(c.value_c / 10)},
             {"rapp", Number(c.value_d / 10)}, {"dx", Number(sides % 3)},
             {"d1", Number(c.value_a % 10)},  {"d2", Number(c.value_b % 10)},
             {"d3", Number(c.value_c % 10)},  {"tempo", Number(c.signal_time)}};
      break;
    }
    case kSpeedBoard:
      AddBoardSpeeds("a", c.value_a, &out);
      AddBoardSpeeds("b", c.value_b, &out);
      AddBoardSpeeds("c", c.value_c, &out);
      out.push_back({"stripes", Number(c.value_d / 10) + " left, " + Number(c.value_d % 10) + " right"});
      break;
    case kSlowdownStart:
    case kSlowdownEnd:
      out = {{"v", KmH(c.value_a)}, {"f_tt", Number(c.value_c)}, {"d_v", Number(c.value_b)}};
      break;
    case kSlowdownWarning:
      out = {{"v", KmH(c.value_a)}, {"d_v", Number(c.value_b)}};
      break;
    case kSlowdownPrewarning:
      out = {{"board", Number(c.value_a)}};
      break;
    case kCodeReduction:
      out = {{"code", Number(c.value_a)}};
      break;
    case kCodeZero:
      out = {{"code", "0"}};
      break;
    default:
      break;
  }
  return out;
}

std::vector<ShownValue> StopAuthorValues(const ScenarioRow& r) {
  return {{"kind", Number(r.kind)},
          {"zone", Number(r.span_start) + " .. " + Number(r.span_end) + " m"},
          {"tps", Number(r.tps)},
          {"tab", Number(r.tab)},
          {"mar", Number(r.mar)},
          {"d2", Number(r.first_d2)},
          {"d3", Number(r.first_d3)},
          {"rap", Number(r.rap)},
          {"d1", Number(r.second_d1)},
          {"d2 (second)", Number(r.second_d2)},
          {"d3 (second)", Number(r.second_d3)},
          {"ac", Number(r.ac)},
          {"time", r.scheduled_time == 0 ? "none" : ClockText(r.scheduled_time)}};
}

std::optional<int> CurveClassOfTurn(double turn_per_metre) {
  const double turn = std::fabs(turn_per_metre);
  for (int i = 0; i < 6; ++i) {
    if (std::fabs(turn - kCurveTurns[i]) <= kCurveTurns[i] * 0.05) return i + 1;
  }
  return std::nullopt;
}

int CurveRadius(int curve_class) {
  return static_cast<int>(std::lround(1.0 / kCurveTurns[curve_class - 1]));
}

}  // namespace scenario::viewer
