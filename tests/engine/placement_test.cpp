#include <gtest/gtest.h>

#include <memory>

#include "engine/engine_fixture.h"

namespace {

constexpr double kT1 = 1000, kT2 = 1100, kT3 = 1200;
constexpr double kStartOffset = 50;

struct PlaceCase {
  const char* name;
  double topSpeed;
  double second;  // the load's snapshot and every step's reading
  double position;
  double sinceEntry, approachLength, sinceDeparture;
};
const PlaceCase kPlaceCases[] = {
    {"before the entry: home", 3, 999, -50, 0, 100, 0},
    {"exactly at T1: home", 3, 1000, -50, 0, 100, 0},
    {"a second after T1: running", 3, 1001, 1.0 * 39 * 3 - 50, 1, 100, 0},
    {"running in", 3, 1050, 50.0 * 39 * 3 - 50, 50, 100, 0},
    {"running in leftward", -3, 1050, 50.0 * 39 * -3 - 50, 50, 100, 0},
    {"last second before T2", 3, 1099, 99.0 * 39 * 3 - 50, 99, 100, 0},
    {"exactly at T2: home", 3, 1100, -50, 100, 100, 0},
    {"a second after T2: standing", 3, 1101, 100.0 * 28 * 3 - 50, 101, 100, 0},
    {"standing leftward", -3, 1150, 100.0 * 28 * -3 - 50, 150, 100, 0},
    {"last second before T3", 3, 1199, 100.0 * 28 * 3 - 50, 199, 100, 0},
    {"exactly at T3: home", 3, 1200, -50, 200, 100, 0},
    {"a second after T3: departed", 3, 1201, (100.0 + 1) * 27 * 3 - 50, 201, 100, 1},
    {"long gone: far along", 3, 1400, (100.0 + 200) * 27 * 3 - 50, 400, 100, 200},
    {"departed leftward", -3, 1300, (100.0 + 100) * 27 * -3 - 50, 300, 100, 100},
    {"topSpeed 0 running: home", 0, 1050, -50, 50, 100, 0},
    {"topSpeed 0 standing: home", 0, 1150, -50, 150, 100, 0},
    {"topSpeed 0 departed: home", 0, 1300, -50, 300, 100, 100},
};

TEST(Placement, EachPhasePlacedByItsFactorWithStrictBounds) {
  for (const auto& c : kPlaceCases) {
    SCOPED_TRACE(c.name);
    EngineWindow w;
    w.setTimes(7, kT1, kT2, kT3);
    w.train(7).startOffset = kStartOffset;
    w.train(7).topSpeed = c.topSpeed;
    w.motion(7).speed = 4;  // left over from a previous station
    w.motion(7).position = 123;
    w.at(c.second);
    w.main->loadSecond = c.second;
    w.main->PlaceTrains();
    EXPECT_EQ(w.motion(7).position, c.position);
    EXPECT_EQ(w.motion(7).speed, 0);
    EXPECT_EQ(w.motion(7).sinceEntry, c.sinceEntry);
    EXPECT_EQ(w.motion(7).approachLength, c.approachLength);
    EXPECT_EQ(w.motion(7).sinceDeparture, c.sinceDeparture);
  }
}

TEST(Placement, ArrivalBeforeEntryGivesNoApproach) {
  const struct {
    const char* name;
    double second;
    double position;
  } cases[] = {
      {"standing is placed at home", 1150, 0.0 * 28 * 3 - 50},
      {"departed only by its time since departure", 1300, (0.0 + 100) * 27 * 3 - 50},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EngineWindow w;
    w.setTimes(2, 1100, 1000, 1200);
    w.train(2).startOffset = kStartOffset;
    w.train(2).topSpeed = 3;
    w.at(c.second);
    w.main->loadSecond = c.second;
    w.main->PlaceTrains();
    EXPECT_EQ(w.motion(2).approachLength, 0);
    EXPECT_EQ(w.motion(2).position, c.position);
  }
}

TEST(Placement, FractionalTimesAreComparedAsTheyStand) {
  EngineWindow w;
  w.setTimes(0, 1000.5, 1100.5, 1200.5);
  w.train(0).topSpeed = 2;
  w.at(1001);
  w.main->loadSecond = 1001;
  w.main->PlaceTrains();
  EXPECT_EQ(w.motion(0).sinceEntry, 0.5);
  EXPECT_EQ(w.motion(0).position, 0.5 * 39 * 2);
}

TEST(Placement, RunningTrainsUseTheLoadSnapshotForTheirWindow) {
  const struct {
    const char* name;
    double loadSecond;
    double clockSecond;
    double position;
  } cases[] = {
      // The window is tested with the snapshot, the distance with the step's own reading.
      {"snapshot inside, clock past T2", 1099, 1100, 100.0 * 39 * 3 - 50},
      {"snapshot at T1, clock inside", 1000, 1010, -50},
      {"snapshot inside, clock inside", 1002, 1010, 10.0 * 39 * 3 - 50},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EngineWindow w;
    w.setTimes(9, kT1, kT2, kT3);
    w.train(9).startOffset = kStartOffset;
    w.train(9).topSpeed = 3;
    w.at(c.clockSecond);
    w.main->loadSecond = c.loadSecond;
    w.main->PlaceTrains();
    EXPECT_EQ(w.motion(9).position, c.position);
  }
}

// A clock that moves on one second each time it is read, to tell which reading a step took.
class SteppingClock final : public Clock {
 public:
  explicit SteppingClock(int second) : second_(second) {}
  LocalTime localTime() const override { return localTimeFromMs(1000LL * second_++); }
  std::int64_t tickMs() const override { return 0; }
  int reads(int from) const { return second_ - from; }

 private:
  mutable int second_;
};

TEST(Placement, StepsTwoFourAndFiveEachReadTheClockOnceAtTheirStart) {
  constexpr int r = 2000;
  SteppingClock clock(r);
  TempFolder folder;
  RecordingSound sound;
  RecordingWindows windows;
  auto main = std::make_unique<Tovarek2>(clock, sound, windows, ProgramFolder(folder.path()));
  for (int k = 0; k < kTrainCount; ++k) {
    main->record.trains[k].entryTime = {0, 0, 90000};
    main->record.trains[k].arrivalTime = {0, 0, 90100};
    main->record.trains[k].departureTime = {0, 0, 90200};
    main->record.trains[k].topSpeed = 1;
  }
  // Train 0 entered 10 s before the first reading; train 1 arrived at the first reading and
  // is standing only by the second; train 2 left at the second and is gone only by the third.
  main->record.trains[0].entryTime = {0, 0, r - 10};
  main->record.trains[0].arrivalTime = {0, 0, r + 100};
  main->record.trains[1].entryTime = {0, 0, r - 100};
  main->record.trains[1].arrivalTime = {0, 0, r};
  main->record.trains[1].departureTime = {0, 0, r + 100};
  main->record.trains[2].entryTime = {0, 0, r - 200};
  main->record.trains[2].arrivalTime = {0, 0, r - 100};
  main->record.trains[2].departureTime = {0, 0, r + 1};
  main->loadSecond = r - 5;
  main->PlaceTrains();
  EXPECT_EQ(clock.reads(r), 3);
  EXPECT_EQ(main->motion[0].sinceEntry, 10);
  EXPECT_EQ(main->motion[0].position, 10.0 * 39);
  EXPECT_EQ(main->motion[1].position, 100.0 * 28);
  EXPECT_EQ(main->motion[2].sinceDeparture, 1);
  EXPECT_EQ(main->motion[2].position, (100.0 + 1) * 27);
}

enum class Shows { Closed, Open, Other };

struct DoorCase {
  const char* name;
  double second;
  double doorsOpen;
  bool hasOpenBitmap;
  Shows before;
  Shows after;
};
const DoorCase kDoorCases[] = {
    {"standing, doors open", 1150, 1, true, Shows::Closed, Shows::Open},
    {"standing, doors open in the first second after T2", 1101, 1, true, Shows::Closed,
     Shows::Open},
    {"standing, doors open in the last second before T3", 1199, 1, true, Shows::Closed,
     Shows::Open},
    {"standing, doors closed", 1150, 0, true, Shows::Open, Shows::Closed},
    {"standing, doorsOpen 2 leaves the element", 1150, 2, true, Shows::Other, Shows::Other},
    {"standing, doorsOpen 0.5 leaves the element", 1150, 0.5, true, Shows::Other, Shows::Other},
    {"standing, no open bitmap keeps the closed one", 1150, 1, false, Shows::Closed, Shows::Closed},
    {"running in: not touched", 1050, 1, true, Shows::Other, Shows::Other},
    {"departed: not touched", 1300, 0, true, Shows::Other, Shows::Other},
    {"at T2 exactly: not touched", 1100, 1, true, Shows::Closed, Shows::Closed},
    {"at T3 exactly: not touched", 1200, 1, true, Shows::Closed, Shows::Closed},
};

TEST(Placement, StandingTrainsShowTheirDoors) {
  const auto other = tinyBitmap(0x777777);
  for (const auto& c : kDoorCases) {
    SCOPED_TRACE(c.name);
    EngineWindow w;
    const int k = 20;
    w.setTimes(k, kT1, kT2, kT3);
    w.train(k).doorsOpen = c.doorsOpen;
    w.train(k).topSpeed = 3;
    if (!c.hasOpenBitmap) w.main->trainBitmaps[k].open.reset();
    auto bitmapOf = [&](Shows s) {
      return s == Shows::Closed ? w.closed(k) : s == Shows::Open ? w.open(k) : other.get();
    };
    w.element(k).setPicture("x", c.before == Shows::Closed ? w.main->trainBitmaps[k].closed
                                 : c.before == Shows::Open ? w.main->trainBitmaps[k].open
                                                           : other);
    w.at(c.second);
    w.main->loadSecond = c.second;
    w.main->PlaceTrains();
    EXPECT_EQ(w.shown(k), bitmapOf(c.after));
    if (c.after == Shows::Open) {
      EXPECT_EQ(w.element(k).picturePath, w.train(k).openPicture);
    }
    if (c.after == Shows::Closed && c.before != Shows::Closed) {
      EXPECT_EQ(w.element(k).picturePath, w.train(k).closedPicture);
    }
  }
}

TEST(Placement, ASecondLoadLeavesNothingOfThePreviousMotion) {
  EngineWindow w;
  w.setTimes(4, kT1, kT2, kT3);
  w.train(4).startOffset = kStartOffset;
  w.train(4).topSpeed = 3;
  w.at(1300);
  w.main->loadSecond = 1300;
  w.main->PlaceTrains();
  ASSERT_EQ(w.motion(4).sinceDeparture, 100);
  w.setTimes(4, 90000, 90100, 90200);
  w.train(4).startOffset = 20;
  w.main->PlaceTrains();
  EXPECT_EQ(w.motion(4).position, -20);
  EXPECT_EQ(w.motion(4).sinceEntry, 0);
  EXPECT_EQ(w.motion(4).sinceDeparture, 0);
}

}  // namespace
