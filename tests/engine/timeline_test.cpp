// Whole days of a few trains on the virtual clock: a pass every 25 ms, as the main loop
// runs them, from before the entry to after the train has been sent home.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/engine_fixture.h"

namespace {

constexpr double kT1 = 36000, kT2 = 36020, kT3 = 36040;  // 10:00:00, :20, :40
constexpr int kPassMs = 25;

struct Sample {
  double second;
  double speed;
  double position;
  const Surface* shown;
};

// Runs passes from `from` to the end of second `to`, recording train k on every pass.
std::vector<Sample> run(EngineWindow& w, int k, double from, double to) {
  std::vector<Sample> samples;
  w.at(from);
  // Counted in passes: the clock wraps at midnight, so 23:59:59 is never passed.
  const int passes = static_cast<int>(to - from + 1) * (1000 / kPassMs);
  for (int i = 0; i < passes; ++i) {
    const double s = w.main->currentSecond();
    w.pass();
    samples.push_back({s, w.motion(k).speed, w.motion(k).position, w.shown(k)});
    w.clock.advanceMs(kPassMs);
  }
  return samples;
}

std::vector<Sample> during(const std::vector<Sample>& all, double first, double last) {
  std::vector<Sample> out;
  for (const auto& x : all)
    if (x.second >= first && x.second <= last) out.push_back(x);
  return out;
}

// Every pass moves the train by exactly its new speed, except where it is sent home.
void expectMovesBySpeed(const std::vector<Sample>& samples, double home, double t3 = kT3) {
  for (std::size_t i = 1; i < samples.size(); ++i) {
    if (samples[i].second > t3 + 90) {
      EXPECT_EQ(samples[i].position, home) << "pass " << i;
      EXPECT_EQ(samples[i].speed, 0) << "pass " << i;
    } else {
      EXPECT_EQ(samples[i].position, samples[i - 1].position + samples[i].speed) << "pass " << i;
    }
  }
}

// Speeds that step by `rate` each pass from `first` until they settle on `limit`.
void expectRamp(const std::vector<Sample>& samples, double first, double rate, double limit) {
  ASSERT_FALSE(samples.empty());
  EXPECT_EQ(samples[0].speed, first);
  bool settled = false;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    if (settled) {
      EXPECT_EQ(samples[i].speed, limit) << "pass " << i;
    } else if (samples[i].speed == limit) {
      settled = true;
    } else {
      EXPECT_NEAR(samples[i].speed - samples[i - 1].speed, rate, 1e-9) << "pass " << i;
    }
  }
  EXPECT_TRUE(settled);
}

TEST(Timeline, RightwardTrainThroughItsDay) {
  EngineWindow w;
  const int k = 2;
  w.setTimes(k, kT1, kT2, kT3);
  w.train(k).startOffset = 100;
  w.train(k).topSpeed = 2.5;
  w.train(k).doorsOpen = 1;
  w.main->HomeTrains();
  const auto all = run(w, k, kT1 - 1, kT3 + 95);
  ASSERT_EQ(all.size(), 40u * 137);

  for (const auto& x : during(all, kT1 - 1, kT1 - 1)) {
    EXPECT_EQ(x.speed, 0);
    EXPECT_EQ(x.position, -100);
  }
  const auto runIn = during(all, kT1, kT2 - 7);
  EXPECT_EQ(runIn[0].speed, 1);
  EXPECT_EQ(runIn[1].speed, 2);
  for (std::size_t i = 2; i < runIn.size(); ++i) EXPECT_EQ(runIn[i].speed, 2.5);
  for (const auto& x : runIn) EXPECT_EQ(x.shown, w.closed(k));

  const auto braking = during(all, kT2 - 6, kT2 - 1);
  expectRamp(braking, 2.5 - 0.02, -0.02, 0.1);
  EXPECT_EQ(braking.back().speed, 0.1);

  const auto standing = during(all, kT2, kT3 - 1);
  for (const auto& x : standing) {
    EXPECT_EQ(x.speed, 0);
    EXPECT_EQ(x.position, standing[0].position);
  }
  for (const auto& x : during(all, kT2, kT2 + 1)) EXPECT_EQ(x.shown, w.closed(k));
  for (const auto& x : during(all, kT2 + 2, kT3 - 3)) EXPECT_EQ(x.shown, w.open(k));
  for (const auto& x : during(all, kT3 - 2, kT3 + 95)) EXPECT_EQ(x.shown, w.closed(k));

  expectRamp(during(all, kT3, kT3 + 90), 0.01, 0.01, 2.5);
  for (const auto& x : during(all, kT3 + 91, kT3 + 95)) {
    EXPECT_EQ(x.position, -100);
    EXPECT_EQ(x.speed, 0);
  }
  expectMovesBySpeed(all, -100);
}

TEST(Timeline, LeftwardTrainCreepsInItsCycle) {
  EngineWindow w;
  const int k = 20;
  w.setTimes(k, kT1, kT2, kT3);
  w.train(k).startOffset = -1700;  // home beyond the right edge
  w.train(k).topSpeed = -2;
  w.train(k).doorsOpen = 1;
  w.main->HomeTrains();
  const auto all = run(w, k, kT1 - 1, kT3 + 95);

  for (const auto& x : during(all, kT1, kT2 - 7)) EXPECT_EQ(x.speed, -2);
  const auto braking = during(all, kT2 - 6, kT2 - 1);
  EXPECT_EQ(braking[0].speed, -2 + 0.02);
  // From rest the creep runs -0.1, -0.08, -0.06, -0.04, -0.02 and round again.
  const double cycle[] = {-0.1, -0.1 + 0.02, -0.1 + 0.02 + 0.02, -0.1 + 0.02 + 0.02 + 0.02,
                          -0.1 + 0.02 + 0.02 + 0.02 + 0.02};
  const auto lastSecond = during(braking, kT2 - 1, kT2 - 1);
  ASSERT_EQ(lastSecond.size(), 40u);
  const auto* start = std::find(std::begin(cycle), std::end(cycle), lastSecond[0].speed);
  ASSERT_NE(start, std::end(cycle)) << lastSecond[0].speed;
  for (std::size_t i = 0; i < lastSecond.size(); ++i)
    EXPECT_EQ(lastSecond[i].speed, cycle[(start - cycle + i) % 5]) << "pass " << i;

  for (const auto& x : during(all, kT2, kT3 - 1)) EXPECT_EQ(x.speed, 0);
  for (const auto& x : during(all, kT2 + 2, kT3 - 3)) EXPECT_EQ(x.shown, w.open(k));
  expectRamp(during(all, kT3, kT3 + 90), -0.01, -0.01, -2);
  EXPECT_LT(during(all, kT3 + 90, kT3 + 90).back().position, 0);
  for (const auto& x : during(all, kT3 + 91, kT3 + 95)) EXPECT_EQ(x.position, 1700);
  expectMovesBySpeed(all, 1700);
}

TEST(Timeline, TopSpeedZeroOnlyCreepsLeftWhileBraking) {
  EngineWindow w;
  const int k = 5;
  w.setTimes(k, kT1, kT2, kT3);
  w.train(k).startOffset = 30;
  w.train(k).topSpeed = 0;
  w.train(k).doorsOpen = 0;
  w.main->HomeTrains();
  const auto all = run(w, k, kT1 - 1, kT3 + 95);

  for (const auto& x : during(all, kT1 - 1, kT2 - 7)) {
    EXPECT_EQ(x.speed, 0);
    EXPECT_EQ(x.position, -30);
  }
  for (const auto& x : during(all, kT2 - 6, kT2 - 1)) {
    EXPECT_LE(x.speed, -0.02 + 1e-9);
    EXPECT_GE(x.speed, -0.1);
  }
  const auto after = during(all, kT2, kT3 + 90);
  EXPECT_LT(after[0].position, -30);
  for (const auto& x : after) {
    EXPECT_EQ(x.speed, 0);
    EXPECT_EQ(x.position, after[0].position);
  }
  for (const auto& x : all) EXPECT_EQ(x.shown, w.closed(k));
  for (const auto& x : during(all, kT3 + 91, kT3 + 95)) EXPECT_EQ(x.position, -30);
}

TEST(Timeline, SecondsWithoutAPassSkipTheirEvents) {
  EngineWindow w;
  const int k = 9;
  w.setTimes(k, kT1, kT2, kT3);
  w.train(k).topSpeed = 3;
  w.train(k).doorsOpen = 1;
  w.motion(k).speed = 0.1;
  w.at(kT2 - 1);
  w.pass();
  EXPECT_EQ(w.motion(k).speed, 0.1);
  // No pass in T2 or T2 + 2: no stop and the doors stay closed.
  for (double s : {kT2 + 1, kT2 + 3, kT3 - 1}) {
    w.at(s);
    w.pass();
    EXPECT_EQ(w.motion(k).speed, 0.1);
    EXPECT_EQ(w.shown(k), w.closed(k));
  }
  w.at(kT3);
  w.pass();
  EXPECT_EQ(w.motion(k).speed, 0.1 + 0.01);

  // Doors opened but no pass in T3 - 2: they stay open while the train pulls out.
  w.at(kT2 + 2);
  w.pass();
  EXPECT_EQ(w.shown(k), w.open(k));
  for (double s : {kT3 - 3, kT3 - 1, kT3, kT3 + 5}) {
    w.at(s);
    w.pass();
    EXPECT_EQ(w.shown(k), w.open(k));
  }
}

TEST(Timeline, ATrainLoadedAtThePlatformStandsUntilItsDeparture) {
  const struct {
    const char* name;
    double loadSecond;
    double standsAt;
  } cases[] = {
      {"loaded while standing", kT2 + 5, 20.0 * 28 * 3 - 40},
      {"loaded at T2: stands at home", kT2, -40},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EngineWindow w;
    const int k = 27;
    w.setTimes(k, kT1, kT2, kT3);
    w.train(k).startOffset = 40;
    w.train(k).topSpeed = 3;
    w.train(k).doorsOpen = 1;
    w.at(c.loadSecond);
    w.main->loadSecond = c.loadSecond;
    w.main->PlaceTrains();
    const auto standing = run(w, k, c.loadSecond, kT3 - 1);
    for (const auto& x : standing) EXPECT_EQ(x.position, c.standsAt);
    const auto out = run(w, k, kT3, kT3);
    EXPECT_EQ(out[0].speed, 0.01);
    EXPECT_EQ(out[0].position, c.standsAt + 0.01);
  }
}

TEST(Timeline, ADepartureAfter235828RunsOnThroughTheNight) {
  EngineWindow w;
  const int k = 14;
  w.setTimes(k, 86200, 86260, 86309);  // leaves 23:58:29
  w.train(k).topSpeed = 2;
  w.train(k).startOffset = 10;
  w.main->HomeTrains();
  const auto all = run(w, k, 86300, 86399);
  EXPECT_EQ(all.back().speed, 2);
  EXPECT_GT(all.back().position, 0);
  expectMovesBySpeed(all, -10, 86309);
  // The clock wraps to a new day: the train runs in again from where it got to.
  const double where = all.back().position;
  w.setTimes(k, 0, 60, 120);
  w.at(0);
  w.pass();
  EXPECT_EQ(w.motion(k).position, where + 2);
}

}  // namespace
