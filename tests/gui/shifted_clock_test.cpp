#include "gui/shifted_clock.h"

#include <gtest/gtest.h>

namespace {

TEST(ShiftedClock, StartsAtTheChosenTimeAndRunsOn) {
  struct Case {
    const char* name;
    int realHour, realMinute;
    std::int64_t startMs;
    int expectedHour, expectedMinute;
  };
  const Case cases[] = {
      {"later the same day", 10, 0, 15 * 3'600'000, 15, 0},
      {"earlier the same day", 10, 0, 6 * 3'600'000 + 30 * 60'000, 6, 30},
      {"midnight", 23, 59, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VirtualClock base;
    base.set(c.realHour, c.realMinute, 0);
    ShiftedClock clock(base);
    clock.startAt(c.startMs);
    EXPECT_EQ(clock.localTime().hour, c.expectedHour);
    EXPECT_EQ(clock.localTime().minute, c.expectedMinute);
    base.advanceMs(61'000);
    EXPECT_EQ(clock.localTime().minute, (c.expectedMinute + 1) % 60);
    EXPECT_EQ(clock.localTime().second, 1);
    EXPECT_EQ(clock.tickMs(), base.tickMs());
  }
}

TEST(ShiftedClock, TheTimeWrapsAtMidnight) {
  VirtualClock base;
  base.set(12, 0, 0);
  ShiftedClock clock(base);
  clock.startAt(23 * 3'600'000 + 59 * 60'000 + 59'000);
  base.advanceMs(2000);
  EXPECT_EQ(clock.localTime().secondOfDay(), 1);
}

}  // namespace
