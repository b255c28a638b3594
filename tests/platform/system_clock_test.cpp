#include "platform/system_clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Seconds from a to b on the dial, 0..86399.
int aheadBy(const LocalTime& a, const LocalTime& b) {
  return ((b.secondOfDay() - a.secondOfDay()) % 86400 + 86400) % 86400;
}

TEST(SystemClock, AnOffsetShiftsTheTimeOfDay) {
  struct OffsetCase {
    const char* name;
    long long offset;
    int wantAhead;
  };
  const std::vector<OffsetCase> cases = {
      {"none", 0, 0},
      {"an hour ahead", 3600, 3600},
      {"ninety seconds back", -90, 86400 - 90},
      {"a whole day ahead", 86400, 0},
  };
  const SystemClock plain;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const SystemClock shifted(c.offset);
    // The two readings may straddle a second; readings taken back to back differ by at
    // most one second (time zones whose offset changes in that moment aside).
    const LocalTime a = plain.localTime();
    const LocalTime b = shifted.localTime();
    const int ahead = aheadBy(a, b);
    EXPECT_TRUE(ahead == c.wantAhead || ahead == (c.wantAhead + 1) % 86400)
        << a.text() << " and " << b.text();
    EXPECT_EQ(shifted.offsetSeconds(), c.offset);
  }
}

TEST(SystemClock, ReadingsLieInRangeAndTheTickNeverGoesBack) {
  const SystemClock clock;
  std::int64_t last = clock.tickMs();
  for (int i = 0; i < 1000; ++i) {
    const LocalTime t = clock.localTime();
    EXPECT_GE(t.hour, 0);
    EXPECT_LE(t.hour, 23);
    EXPECT_GE(t.minute, 0);
    EXPECT_LE(t.minute, 59);
    EXPECT_GE(t.second, 0);
    EXPECT_LE(t.second, 59);
    EXPECT_GE(t.millisecond, 0);
    EXPECT_LE(t.millisecond, 999);
    const std::int64_t now = clock.tickMs();
    EXPECT_GE(now, last);
    last = now;
  }
}

}  // namespace
