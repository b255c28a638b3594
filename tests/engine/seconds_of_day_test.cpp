#include "engine/seconds_of_day.h"

#include <gtest/gtest.h>

#include "engine/train_motion.h"
#include "support/fixtures.h"

namespace {

struct SecondsCase {
  const char* name;
  double hours, minutes, seconds;
  double expected;
};
const SecondsCase kSecondsCases[] = {
    {"midnight", 0, 0, 0, 0},
    {"ten past ten", 10, 10, 10, 36610},
    {"last second of the day", 23, 59, 59, 86399},
    {"75 minutes simply add up", 9, 75, 0, 36900},
    {"90 seconds simply add up", 0, 0, 90, 90},
    {"24 hours are not wrapped", 24, 0, 1, 86401},
    {"a fractional second stays", 8, 0, 12.5, 28812.5},
    {"fractional hours and minutes", 0.5, 0.5, 0, 1830},
    {"negative values are taken as they are", 1, -1, -1, 3539},
};

TEST(SecondsOfDay, HoursTimes3600PlusMinutesTimes60PlusSeconds) {
  for (const auto& c : kSecondsCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(secondsOfDay(c.hours, c.minutes, c.seconds), c.expected);
    EXPECT_EQ(secondsOfDay(TimeTriple{c.hours, c.minutes, c.seconds}), c.expected);
  }
}

TEST(SecondsOfDay, TrainTimesAreTheThreeTriplesInFileOrder) {
  TrainEntry t;
  t.entryTime = {10, 0, 5};
  t.arrivalTime = {10, 1, 0};
  t.departureTime = {10, 3, 30};
  const TrainTimes times = trainTimes(t);
  EXPECT_EQ(times.entry, 36005);
  EXPECT_EQ(times.arrival, 36060);
  EXPECT_EQ(times.departure, 36210);
}

TEST(TrainPictureElement, TrainsZeroToThreeThenElevenOn) {
  const struct {
    int train;
    int element;
  } cases[] = {{0, 3}, {3, 6}, {4, 11}, {15, 22}, {16, 23}, {31, 38}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.train);
    EXPECT_EQ(trainPictureElement(c.train), c.element);
  }
}

TEST(TrainPictureElement, NoTwoTrainsShareAnElementAndNoneTakesALayer) {
  std::array<int, 41> owners{};
  for (int k = 0; k < kTrainCount; ++k) ++owners.at(trainPictureElement(k));
  for (int e = 0; e < 41; ++e) {
    const bool layer = e <= 2 || (e >= 7 && e <= 10) || e >= 39;
    EXPECT_EQ(owners[e], layer ? 0 : 1) << "element " << e;
  }
}

struct CurrentCase {
  const char* name;
  int hour, minute, second, millisecond;
  std::int64_t offsetSeconds;
  double expected;
};
const CurrentCase kCurrentCases[] = {
    {"midnight", 0, 0, 0, 0, 0, 0},
    {"milliseconds are dropped, not rounded", 10, 0, 0, 999, 0, 36000},
    {"last second of the day", 23, 59, 59, 999, 0, 86399},
    {"the settings offset moves the station clock", 10, 0, 0, 0, 90, 36090},
    {"the offset wraps into the day", 23, 59, 30, 0, 60, 30},
};

TEST(CurrentSecond, WholeSecondsOfOneReading) {
  for (const auto& c : kCurrentCases) {
    SCOPED_TRACE(c.name);
    TestWindow w;
    w.clock.set(c.hour, c.minute, c.second, c.millisecond);
    w.main->clockOffsetSeconds = c.offsetSeconds;
    EXPECT_EQ(w.main->currentSecond(), c.expected);
  }
}

}  // namespace
