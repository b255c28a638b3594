#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/engine_fixture.h"

namespace {

constexpr double kT1 = 1000, kT2 = 1100, kT3 = 1200;
constexpr double kStartOffset = 50;

// A leftward train creeping in braking: up by 0.02 each pass, back to -0.1 past zero.
constexpr double kLeftCreep[] = {-0.1, -0.1 + 0.02, -0.1 + 0.02 + 0.02, -0.1 + 0.02 + 0.02 + 0.02,
                                 -0.1 + 0.02 + 0.02 + 0.02 + 0.02};

struct StepCase {
  const char* name;
  double topSpeed;
  double second;
  double speedBefore;
  double speed;     // after the pass
  double position;  // after the pass, from 0
};
const StepCase kStepCases[] = {
    {"before T1 nothing changes", 3, 999, 0, 0, 0},
    {"run-in from rest at T1", 3, 1000, 0, 1, 1},
    {"run-in gains 1 per pass", 3, 1050, 1, 2, 2},
    {"run-in is capped at topSpeed", 3, 1050, 2.5, 3, 3},
    {"run-in one below topSpeed reaches it exactly", 3, 1050, 2, 3, 3},
    {"run-in further below does not", 3, 1050, 1.5, 2.5, 2.5},
    {"run-in still at T2 - 7", 3, 1093, 1, 2, 2},
    {"leftward run-in from rest is at topSpeed at once", -3, 1000, 0, -3, -3},
    {"leftward run-in one below topSpeed reaches it", -3, 1000, -4, -3, -3},
    {"leftward run-in further below gains 1", -3, 1000, -5, -4, -4},
    {"topSpeed 0 does not run in", 0, 1000, 0, 0, 0},
    {"braking starts at T2 - 6", 3, 1094, 3, 3 - 0.02, 3 - 0.02},
    {"braking down to the creep", 3, 1099, 0.11, 0.1, 0.1},
    {"braking keeps the creep", 3, 1099, 0.1, 0.1, 0.1},
    {"braking from rest creeps at once", 3, 1094, 0, 0.1, 0.1},
    {"braking and stop in the second T2", 3, 1100, 0.5, 0, 0},
    {"leftward braking rises by 0.02", -3, 1094, -3, -3 + 0.02, -3 + 0.02},
    {"leftward exactly 0 is kept: the test is against 0", -3, 1099, -0.02, 0, 0},
    {"leftward past 0 goes back to -0.1", -3, 1099, 0, -0.1, -0.1},
    {"leftward -0.1 rises", -3, 1099, -0.1, kLeftCreep[1], kLeftCreep[1]},
    {"leftward last creep step turns back", -3, 1099, kLeftCreep[4], -0.1, -0.1},
    {"topSpeed 0 follows the leftward braking", 0, 1099, 0, -0.1, -0.1},
    {"leftward stop at T2", -3, 1100, -0.1, 0, 0},
    {"standing after T2", 3, 1101, 0, 0, 0},
    {"standing before T3", 3, 1199, 0, 0, 0},
    {"a creeping train keeps creeping while standing", 3, 1150, 0.1, 0.1, 0.1},
    {"pull-out from rest at T3", 3, 1200, 0, 0.01, 0.01},
    {"pull-out gains 0.01", 3, 1250, 1, 1 + 0.01, 1 + 0.01},
    {"pull-out is capped at topSpeed", 3, 1250, 2.995, 3, 3},
    {"leftward pull-out", -3, 1200, 0, -0.01, -0.01},
    {"leftward pull-out capped", -3, 1250, -2.995, -3, -3},
    {"topSpeed 0 does not pull out", 0, 1250, 0, 0, 0},
    {"still moving at T3 + 90", 3, 1290, 3, 3, 3},
    {"sent home after T3 + 90", 3, 1291, 3, 0, -50},
    {"leftward sent home", -3, 1291, -3, 0, -50},
    {"topSpeed 0 sent home", 0, 1291, 0, 0, -50},
};

TEST(MoveTrain, EachStepWithItsBoundaries) {
  for (const auto& c : kStepCases) {
    SCOPED_TRACE(c.name);
    EngineWindow w;
    w.setTimes(3, kT1, kT2, kT3);
    w.train(3).startOffset = kStartOffset;
    w.train(3).topSpeed = c.topSpeed;
    w.motion(3).speed = c.speedBefore;
    w.motion(3).position = 0;
    w.main->moveTrain(3, c.second);
    EXPECT_EQ(w.motion(3).speed, c.speed);
    EXPECT_EQ(w.motion(3).position, c.position);
  }
}

struct EdgeCase {
  const char* name;
  double t1, t2, t3;
  double topSpeed;
  double second;
  double speedBefore;
  double speed;
  double position;  // from 0
};
const EdgeCase kEdgeCases[] = {
    {"T2 - T1 < 7: the entry second brakes instead of running in", 1094, 1100, 1200, 3, 1094, 0,
     0.1, 0.1},
    {"T2 - T1 < 7: braking leaves home at T2 - 6 anyway", 1098, 1100, 1200, 3, 1094, 0, 0.1, 0.1},
    {"fractional T2: a second between run-in and braking", 1000, 1100.5, 1200, 3, 1094, 3, 3, 3},
    {"fractional T2: no stop", 1000, 1100.5, 1200, 3, 1100, 0.1, 0.1, 0.1},
    {"run-in across midnight never happens: the train stays home", 86390, 5, 100, 3, 86395, 0, 0,
     -50},
    {"departure 23:58:29 is never sent home", 1000, 1100, 86309, 3, 86399, 3, 3, 3},
    {"departure 23:58:28 is sent home at 23:59:59", 1000, 1100, 86308, 3, 86399, 3, 0, -50},
    {"T2 = T3: every step of the second applies", 1000, 1100, 1100, 3, 1100, 0.5, 0.01, 0.01},
};

TEST(MoveTrain, EdgesOfTheTimeline) {
  for (const auto& c : kEdgeCases) {
    SCOPED_TRACE(c.name);
    EngineWindow w;
    w.setTimes(30, c.t1, c.t2, c.t3);
    w.train(30).startOffset = kStartOffset;
    w.train(30).topSpeed = c.topSpeed;
    w.motion(30).speed = c.speedBefore;
    w.main->moveTrain(30, c.second);
    EXPECT_EQ(w.motion(30).speed, c.speed);
    EXPECT_EQ(w.motion(30).position, c.position);
  }
}

TEST(MoveTrain, TimesInHoursAndMinutesAddUp) {
  EngineWindow w;
  w.train(1).entryTime = {9, 75, 0};  // 10:15:00
  w.train(1).arrivalTime = {10, 16, 0};
  w.train(1).departureTime = {10, 17, 0};
  w.train(1).topSpeed = 3;
  w.main->moveTrain(1, 36899);
  EXPECT_EQ(w.motion(1).speed, 0);
  w.main->moveTrain(1, 36900);
  EXPECT_EQ(w.motion(1).speed, 1);
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
    {"doors open at T2 + 2", 1102, 1, true, Shows::Closed, Shows::Open},
    {"not yet at T2 + 1", 1101, 1, true, Shows::Closed, Shows::Closed},
    {"nothing new at T2 + 3", 1103, 1, true, Shows::Closed, Shows::Closed},
    {"doorsOpen 0 shows the closed picture at T2 + 2", 1102, 0, true, Shows::Other, Shows::Closed},
    {"doorsOpen 2 changes nothing at T2 + 2", 1102, 2, true, Shows::Other, Shows::Other},
    {"doorsOpen -1 changes nothing at T2 + 2", 1102, -1, true, Shows::Other, Shows::Other},
    {"no open bitmap: keeps the closed picture", 1102, 1, false, Shows::Closed, Shows::Closed},
    {"doors close at T3 - 2", 1198, 1, true, Shows::Open, Shows::Closed},
    {"doors close at T3 - 2 whatever doorsOpen", 1198, 2, true, Shows::Other, Shows::Closed},
    {"still open at T3 - 1", 1199, 1, true, Shows::Open, Shows::Open},
    {"still open at T3 - 3", 1197, 1, true, Shows::Open, Shows::Open},
    {"running in shows the closed picture", 1000, 1, true, Shows::Other, Shows::Closed},
    {"running in at T2 - 7 too", 1093, 1, true, Shows::Open, Shows::Closed},
    {"braking does not touch the picture", 1094, 1, true, Shows::Other, Shows::Other},
    {"pulling out does not touch the picture", 1250, 1, true, Shows::Open, Shows::Open},
};

TEST(MoveTrain, DoorPictures) {
  const auto other = tinyBitmap(0x777777);
  for (const auto& c : kDoorCases) {
    SCOPED_TRACE(c.name);
    EngineWindow w;
    const int k = 12;
    w.setTimes(k, kT1, kT2, kT3);
    w.train(k).doorsOpen = c.doorsOpen;
    w.train(k).topSpeed = 3;
    if (!c.hasOpenBitmap) w.main->trainBitmaps[k].open.reset();
    const std::shared_ptr<const Surface> closed = w.main->trainBitmaps[k].closed;
    const std::shared_ptr<const Surface> open = tinyBitmap(0x200000 + k);
    if (c.hasOpenBitmap) w.main->trainBitmaps[k].open = open;
    auto bitmapOf = [&](Shows s) {
      return s == Shows::Closed ? closed : s == Shows::Open ? open : other;
    };
    w.element(k).setPicture("before", bitmapOf(c.before));
    w.main->moveTrain(k, c.second);
    EXPECT_EQ(w.shown(k), bitmapOf(c.after).get());
  }
}

TEST(MoveTrain, ShowingTheSameBitmapAgainCostsNothing) {
  EngineWindow w;
  w.setTimes(5, kT1, kT2, kT3);
  w.train(5).topSpeed = 3;
  w.main->moveTrain(5, 1000);
  const std::uint64_t revision = w.element(5).revision;
  for (int i = 0; i < 100; ++i) w.main->moveTrain(5, 1001);
  EXPECT_EQ(w.element(5).revision, revision);
  EXPECT_EQ(w.shown(5), w.closed(5));
}

TEST(MoveTrains, EachHalfCoversItsTrainsWithOneReading) {
  EngineWindow w;
  // Every train stops at this very second and is braking at 0.5.
  for (int k = 0; k < kTrainCount; ++k) {
    w.setTimes(k, kT1, kT2, kT3);
    w.train(k).topSpeed = 3;
    w.motion(k).speed = 0.5;
  }
  w.at(kT2);
  w.main->MoveTrainsFirstHalf();
  for (int k = 0; k < kTrainCount; ++k)
    EXPECT_EQ(w.motion(k).speed, k < 16 ? 0 : 0.5) << "train " << k;
  w.main->MoveTrainsSecondHalf();
  for (int k = 16; k < kTrainCount; ++k) EXPECT_EQ(w.motion(k).speed, 0) << "train " << k;
}

// A clock that moves on one second each time it is read.
class SteppingClock final : public Clock {
 public:
  explicit SteppingClock(int second) : second_(second) {}
  LocalTime localTime() const override { return localTimeFromMs(1000LL * second_++); }
  std::int64_t tickMs() const override { return 0; }

 private:
  mutable int second_;
};

TEST(MoveTrains, OneReadingForAllSixteenTrains) {
  SteppingClock clock(static_cast<int>(kT2));
  TempFolder folder;
  RecordingSound sound;
  RecordingWindows windows;
  auto main = std::make_unique<Tovarek2>(clock, sound, windows, ProgramFolder(folder.path()));
  for (int k = 0; k < kTrainCount; ++k) {
    main->record.trains[k].entryTime = {0, 0, kT1};
    main->record.trains[k].arrivalTime = {0, 0, kT2};
    main->record.trains[k].departureTime = {0, 0, kT3};
    main->record.trains[k].topSpeed = 3;
    main->motion[k].speed = 0.5;
  }
  main->MoveTrainsFirstHalf();   // reads T2
  main->MoveTrainsSecondHalf();  // reads T2 + 1
  for (int k = 0; k < kTrainCount; ++k)
    EXPECT_EQ(main->motion[k].speed, k < 16 ? 0 : 0.5) << "train " << k;
}

}  // namespace
