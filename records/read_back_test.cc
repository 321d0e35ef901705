// Stop rows and plan points read back: the zones and times the train reader
// is known to store, and the turn of every computed plan row found again.
#include <gtest/gtest.h>

#include <cmath>

#include "records/plan_step.h"
#include "records/stop_row.h"

namespace scenario {
namespace {

TEST(StopRowTest, ZonesOfKnownStopsComeBackToTheirLength) {
  struct Case {
    uint8_t kind;
    int64_t position, length;
    bool mar;
    int64_t start, end;
  } cases[] = {
      {8, 0, 500, false, -500, 500},      // the carried origin
      {2, 4500, 800, true, 4100, 4950},   // mar lengthens the end by 50 m
      {6, 50, 200, false, -150, 200},     // kinds 5 and 6 reach 150 m ahead
      {2, 100, 200, false, 0, 200},
      {25, 198750, 400, false, 198550, 198950},
  };
  for (const Case& c : cases) {
    const StopZone zone = PackStopZone(c.kind, c.position, c.length, c.mar);
    EXPECT_EQ(zone.start, c.start) << int(c.kind) << " " << c.position;
    EXPECT_EQ(zone.end, c.end) << int(c.kind) << " " << c.position;
    ScenarioRow row;
    row.kind = c.kind;
    row.position = static_cast<int32_t>(c.position);
    row.span_start = static_cast<int32_t>(zone.start);
    row.span_end = static_cast<int32_t>(zone.end);
    EXPECT_EQ(StopLengthOf(row), c.length);
    EXPECT_EQ(StopZoneLengthenedByMar(row), c.mar && c.kind != 5 && c.kind != 6);
  }
}

TEST(StopRowTest, ScheduledTimesComeApartIntoAClock) {
  EXPECT_EQ(PackScheduledTime(10, 50, 0), 39000);
  for (int32_t t : {0, 39000, 55320, 57480, 86399, 1, -1, -3601, 2147483647, -2147483647 - 1}) {
    const StopClock clock = UnpackScheduledTime(t);
    EXPECT_EQ(PackScheduledTime(clock.hours, clock.minutes, clock.seconds), t);
    EXPECT_TRUE(clock.minutes >= 0 && clock.minutes < 60 && clock.seconds >= 0 && clock.seconds < 60);
  }
}

TEST(PlanStepTest, TheTurnOfEveryRowIsFoundAgain) {
  const double turns[] = {0.0001, -0.0001, 0.0002, -0.0002, 0.0004, -0.0004,
                          0.001,  -0.001,  0.002,  -0.002,  0.003,  -0.003};
  // A walk that changes its turn every 37 rows, straight in between.
  PlanPoint before_last{0, 0}, last{0, 1};
  for (int row = 2; row < 3000; ++row) {
    const int stretch = row / 37;
    const double turn = stretch % 3 == 0 ? 0.0 : turns[stretch % 12];
    const PlanPoint next = PlanStep(before_last, last, turn);
    const auto found = TurnOfStep(before_last, last, next, turns);
    ASSERT_TRUE(found.has_value()) << row;
    ASSERT_EQ(*found, turn) << row;
    before_last = last;
    last = next;
  }
  // A row moved by one bit is no step's.
  PlanPoint off = PlanStep(before_last, last, 0.0);
  off.x = std::nextafter(off.x, 1e9);
  EXPECT_FALSE(TurnOfStep(before_last, last, off, turns).has_value());
}

}  // namespace
}  // namespace scenario
