#include "gui/pass_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PassDelay, NeverSoonerThanTheIntervalAfterThePreviousStart) {
  struct Case {
    const char* name;
    std::int64_t now;
    std::optional<std::int64_t> last;
    std::int64_t delay;
  };
  const Case cases[] = {
      {"no pass yet", 1000, std::nullopt, 0},
      {"just after a pass", 1000, 1000, 25},
      {"a millisecond short", 1024, 1000, 1},
      {"exactly the interval", 1025, 1000, 0},
      {"a slow pass overran", 1060, 1000, 0},
      {"ten ms in", 1010, 1000, 15},
      {"tick at zero", 0, 0, 25},
      {"long uptime", 3'000'000'000'000, 2'999'999'999'990, 15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(passDelayMs(c.now, c.last, 25), c.delay);
  }
}

struct Paced {
  VirtualClock clock;
  bool held = false;
  std::vector<std::int64_t> starts;
  int passCostMs = 0;
  PassPacer pacer{clock, 25, [this] { return !held; },
                  [this](std::int64_t t) {
                    starts.push_back(t);
                    clock.advanceMs(passCostMs);
                  }};
};

TEST(PassPacer, RunsAtOnceThenWaitsOutTheInterval) {
  Paced p;
  p.pacer.start();
  EXPECT_TRUE(p.pacer.active());
  EXPECT_EQ(p.pacer.scheduledDelayMs(), 0);
  p.pacer.onTimer();
  ASSERT_EQ(p.starts.size(), 1u);
  EXPECT_EQ(p.pacer.scheduledDelayMs(), 25);
  p.clock.advanceMs(25);
  p.pacer.onTimer();
  EXPECT_EQ(p.starts, (std::vector<std::int64_t>{0, 25}));
}

TEST(PassPacer, ATimerThatFiresEarlyRunsNoPass) {
  Paced p;
  p.pacer.start();
  p.pacer.onTimer();
  p.clock.advanceMs(20);
  p.pacer.onTimer();
  EXPECT_EQ(p.starts.size(), 1u);
  EXPECT_EQ(p.pacer.scheduledDelayMs(), 5);
  EXPECT_TRUE(p.pacer.active());
}

TEST(PassPacer, ASlowPassIsFollowedAtOnce) {
  Paced p;
  p.passCostMs = 40;
  p.pacer.start();
  p.pacer.onTimer();
  EXPECT_EQ(p.pacer.scheduledDelayMs(), 0);
  p.pacer.onTimer();
  EXPECT_EQ(p.starts, (std::vector<std::int64_t>{0, 40}));
}

TEST(PassPacer, HeldPassesStopUntilStartedAgain) {
  Paced p;
  p.pacer.start();
  p.pacer.onTimer();
  p.held = true;
  p.clock.advanceMs(100);
  p.pacer.onTimer();
  EXPECT_EQ(p.starts.size(), 1u);
  EXPECT_FALSE(p.pacer.active());  // no wake-ups while held
  p.held = false;
  p.pacer.start();
  EXPECT_EQ(p.pacer.scheduledDelayMs(), 0);  // the interval is long over
  p.pacer.onTimer();
  EXPECT_EQ(p.starts, (std::vector<std::int64_t>{0, 100}));
}

TEST(PassPacer, IntervalsBetweenStartsAreNeverUnderTheInterval) {
  Paced p;
  p.pacer.start();
  // Fire the timer at uneven moments, as a loaded machine would.
  const int steps[] = {0, 3, 30, 1, 24, 26, 7, 18, 50, 25, 25, 2};
  for (int s : steps) {
    p.clock.advanceMs(s);
    p.pacer.onTimer();
  }
  ASSERT_GE(p.starts.size(), 5u);
  for (std::size_t i = 1; i < p.starts.size(); ++i)
    EXPECT_GE(p.starts[i] - p.starts[i - 1], 25) << "pass " << i;
}

}  // namespace
