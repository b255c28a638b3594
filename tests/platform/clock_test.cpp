#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kDay = VirtualClock::kMsPerDay;

TEST(LocalTime, TextIsTwoDigitHoursMinutesSeconds) {
  struct Case {
    const char* name;
    LocalTime t;
    std::string want;
  };
  const std::vector<Case> cases = {
      {"midnight", {0, 0, 0, 0}, "00:00:00"},
      {"single digits padded", {1, 2, 3, 4}, "01:02:03"},
      {"milliseconds ignored", {12, 34, 56, 999}, "12:34:56"},
      {"last second", {23, 59, 59, 999}, "23:59:59"},
      {"noon", {12, 0, 0, 0}, "12:00:00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.t.text(), c.want);
  }
}

TEST(LocalTime, SecondOfDayCountsWholeSeconds) {
  struct Case {
    const char* name;
    LocalTime t;
    int want;
  };
  const std::vector<Case> cases = {
      {"midnight", {0, 0, 0, 0}, 0},
      {"one of each", {1, 1, 1, 500}, 3661},
      {"last second", {23, 59, 59, 999}, 86399},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.t.secondOfDay(), c.want);
  }
}

TEST(LocalTimeFromMs, SplitsAndWrapsIntoOneDay) {
  struct Case {
    const char* name;
    std::int64_t ms;
    int h, m, s, milli;
  };
  const std::vector<Case> cases = {
      {"zero", 0, 0, 0, 0, 0},
      {"one millisecond", 1, 0, 0, 0, 1},
      {"one second", 1000, 0, 0, 1, 0},
      {"one minute", 60'000, 0, 1, 0, 0},
      {"one hour", 3'600'000, 1, 0, 0, 0},
      {"mixed", ((13LL * 60 + 45) * 60 + 7) * 1000 + 321, 13, 45, 7, 321},
      {"last millisecond", kDay - 1, 23, 59, 59, 999},
      {"exactly one day", kDay, 0, 0, 0, 0},
      {"day and a bit", kDay + 61'001, 0, 1, 1, 1},
      {"several days", 5 * kDay + 3'600'000, 1, 0, 0, 0},
      {"minus one", -1, 23, 59, 59, 999},
      {"minus one hour", -3'600'000, 23, 0, 0, 0},
      {"minus several days", -3 * kDay + 1000, 0, 0, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const LocalTime t = localTimeFromMs(c.ms);
    EXPECT_EQ(t.hour, c.h);
    EXPECT_EQ(t.minute, c.m);
    EXPECT_EQ(t.second, c.s);
    EXPECT_EQ(t.millisecond, c.milli);
  }
}

TEST(VirtualClock, SetsTheTimeOfDayWithoutMovingTheTick) {
  struct Case {
    const char* name;
    int h, m, s, milli;
    std::string text;
    std::int64_t msOfDay;
  };
  const std::vector<Case> cases = {
      {"midnight", 0, 0, 0, 0, "00:00:00", 0},
      {"morning", 7, 5, 9, 0, "07:05:09", ((7LL * 60 + 5) * 60 + 9) * 1000},
      {"with milliseconds", 18, 30, 0, 250, "18:30:00", (18LL * 60 + 30) * 60'000 + 250},
      {"last millisecond", 23, 59, 59, 999, "23:59:59", kDay - 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VirtualClock clock;
    clock.advanceMs(1234);
    clock.set(c.h, c.m, c.s, c.milli);
    const LocalTime t = clock.localTime();
    EXPECT_EQ(t.hour, c.h);
    EXPECT_EQ(t.minute, c.m);
    EXPECT_EQ(t.second, c.s);
    EXPECT_EQ(t.millisecond, c.milli);
    EXPECT_EQ(t.text(), c.text);
    EXPECT_EQ(clock.msOfDay(), c.msOfDay);
    EXPECT_EQ(clock.tickMs(), 1234);
  }
}

TEST(VirtualClock, StartsAtTheGivenTimeWithTickZero) {
  struct Case {
    const char* name;
    std::int64_t start;
    std::string text;
    std::int64_t msOfDay;
  };
  const std::vector<Case> cases = {
      {"default", 0, "00:00:00", 0},
      {"afternoon", 15 * 3'600'000LL + 500, "15:00:00", 15 * 3'600'000LL + 500},
      {"past a day", kDay + 2000, "00:00:02", 2000},
      {"negative", -1000, "23:59:59", kDay - 1000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const VirtualClock clock(c.start);
    EXPECT_EQ(clock.localTime().text(), c.text);
    EXPECT_EQ(clock.msOfDay(), c.msOfDay);
    EXPECT_EQ(clock.tickMs(), 0);
  }
}

TEST(VirtualClock, AdvanceWrapsTheTimeOfDayAndCountsEveryMillisecond) {
  struct Case {
    const char* name;
    int h, m, s, milli;
    std::vector<std::int64_t> steps;
    std::string text;
    int wantMilli;
    std::int64_t wantTick;
  };
  const std::vector<Case> cases = {
      {"no steps", 10, 0, 0, 0, {}, "10:00:00", 0, 0},
      {"zero step", 10, 0, 0, 0, {0}, "10:00:00", 0, 0},
      {"within a second", 10, 0, 0, 0, {999}, "10:00:00", 999, 999},
      {"carry into seconds", 10, 0, 0, 500, {500}, "10:00:01", 0, 500},
      {"carry into hours", 10, 59, 59, 999, {1}, "11:00:00", 0, 1},
      {"many small steps", 0, 0, 0, 0, {100, 200, 300, 400}, "00:00:01", 0, 1000},
      {"up to midnight", 23, 59, 59, 0, {1000}, "00:00:00", 0, 1000},
      {"across midnight", 23, 59, 58, 0, {3500}, "00:00:01", 500, 3500},
      {"across midnight in steps",
       23,
       0,
       0,
       0,
       {1'800'000, 1'800'000, 60'000},
       "00:01:00",
       0,
       3'660'000},
      {"exactly one day", 8, 15, 0, 0, {kDay}, "08:15:00", 0, kDay},
      {"several days", 8, 15, 0, 0, {3 * kDay + 1000}, "08:15:01", 0, 3 * kDay + 1000},
      {"a day in hourly steps", 6, 0, 0, 0, std::vector<std::int64_t>(24, 3'600'000), "06:00:00", 0,
       kDay},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VirtualClock clock;
    clock.set(c.h, c.m, c.s, c.milli);
    for (std::int64_t step : c.steps) clock.advanceMs(step);
    const LocalTime t = clock.localTime();
    EXPECT_EQ(t.text(), c.text);
    EXPECT_EQ(t.millisecond, c.wantMilli);
    EXPECT_GE(clock.msOfDay(), 0);
    EXPECT_LT(clock.msOfDay(), kDay);
    EXPECT_EQ(clock.tickMs(), c.wantTick);
  }
}

TEST(VirtualClock, TickNeverWrapsWithTheTimeOfDay) {
  VirtualClock clock;
  clock.set(23, 59, 59, 999);
  std::int64_t last = clock.tickMs();
  for (int i = 0; i < 10; ++i) {
    clock.advanceMs(kDay / 4);
    EXPECT_GT(clock.tickMs(), last);
    last = clock.tickMs();
  }
  EXPECT_EQ(clock.tickMs(), 10 * (kDay / 4));
}

}  // namespace
