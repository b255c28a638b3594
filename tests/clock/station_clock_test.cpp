#include <gtest/gtest.h>

#include "running_station.h"

namespace {

struct LabelCase {
  const char* name;
  int hour, minute, second;
  const char *ji, *fun, *byo;
};
const LabelCase kLabelCases[] = {
    {"midnight", 0, 0, 0, "0", "0", "0"},
    {"single digits without leading zeros", 9, 5, 3, "9", "5", "3"},
    {"the last second of the day", 23, 59, 59, "23", "59", "59"},
};

TEST(StationClock, DigitsShowTheTimeOfDayAsPlainNumbers) {
  for (const auto& c : kLabelCases) {
    SCOPED_TRACE(c.name);
    TestWindow w;  // nothing loaded: the clock ticks all the same
    w.clock.set(c.hour, c.minute, c.second, 700);
    w.main->TMC_Timer();
    EXPECT_EQ(w.main->AcumeJiLabel.text, c.ji);
    EXPECT_EQ(w.main->AcumeFunLabel.text, c.fun);
    EXPECT_EQ(w.main->AcumeByoLabel.text, c.byo);
    EXPECT_TRUE(w.sound.calls.empty());
  }
}

enum class Heard { None, Arrival, PreDeparture, Approach };

struct AnnouncementCase {
  const char* name;
  TimeTriple entry, arrival, departure;
  int approachOffset;
  LocalTime at;
  Heard heard;
};
constexpr TimeTriple kEntry{9, 50, 0};
constexpr TimeTriple kArrival{10, 0, 0};
constexpr TimeTriple kDeparture{10, 5, 0};
const AnnouncementCase kAnnouncementCases[] = {
    {"arrival in its second", kNever, kArrival, kNever, 0, {10, 0, 0, 0}, Heard::Arrival},
    {"arrival late in its second", kNever, kArrival, kNever, 0, {10, 0, 0, 999}, Heard::Arrival},
    {"a second before the arrival", kNever, kArrival, kNever, 0, {9, 59, 59}, Heard::None},
    {"a second after the arrival", kNever, kArrival, kNever, 0, {10, 0, 1}, Heard::None},
    {"six seconds before departure",
     kNever,
     kNever,
     kDeparture,
     0,
     {10, 4, 54},
     Heard::PreDeparture},
    {"seven seconds before departure", kNever, kNever, kDeparture, 0, {10, 4, 53}, Heard::None},
    {"five seconds before departure", kNever, kNever, kDeparture, 0, {10, 4, 55}, Heard::None},
    {"the departure second itself", kNever, kNever, kDeparture, 0, {10, 5, 0}, Heard::None},
    {"approach in the entry second", kEntry, kNever, kNever, 0, {9, 50, 0}, Heard::Approach},
    {"approach twenty seconds after entry",
     kEntry,
     kNever,
     kNever,
     20,
     {9, 50, 20},
     Heard::Approach},
    {"not a second before its offset", kEntry, kNever, kNever, 20, {9, 50, 19}, Heard::None},
    {"not in the entry second with an offset", kEntry, kNever, kNever, 20, {9, 50, 0}, Heard::None},
    {"approach thirty seconds before entry",
     kEntry,
     kNever,
     kNever,
     -30,
     {9, 49, 30},
     Heard::Approach},
    {"minutes past 59 are simply minutes",
     kNever,
     {9, 75, 0},
     kNever,
     0,
     {10, 15, 0},
     Heard::Arrival},
    {"arrival written 24:00:00 never comes", kNever, {24, 0, 0}, kNever, 0, {0, 0, 0}, Heard::None},
    {"a fractional arrival second never comes",
     kNever,
     {10, 0, 0.5},
     kNever,
     0,
     {10, 0, 0},
     Heard::None},
    {"departure at 24:00:00 is announced six seconds before midnight",
     kNever,
     kNever,
     {24, 0, 0},
     0,
     {23, 59, 54},
     Heard::PreDeparture},
};

TEST(StationClock, EachAnnouncementSoundsInItsExactSecondOnly) {
  for (const auto& c : kAnnouncementCases) {
    SCOPED_TRACE(c.name);
    RunningStation s;
    TrainEntry& train = s.station().record.trains[13];
    train.entryTime = c.entry;
    train.arrivalTime = c.arrival;
    train.departureTime = c.departure;
    train.approachOffset = c.approachOffset;
    s.clock.set(c.at.hour, c.at.minute, c.at.second, c.at.millisecond);
    s.station().TMC_Timer();

    const TrainVoices& v = s.station().trainVoices[13];
    std::vector<std::string> expected;
    if (c.heard == Heard::Arrival) expected = {s.call("play0", v.arrivalSound)};
    if (c.heard == Heard::PreDeparture) expected = {s.call("play0", v.preDepartureSound)};
    if (c.heard == Heard::Approach) expected = {s.call("play0", v.approachSound)};
    EXPECT_EQ(s.takeCalls(), expected);
  }
}

TEST(StationClock, AnnouncementsOfOneSecondGoInTrainOrderApproachesLast) {
  RunningStation s;
  auto& trains = s.station().record.trains;
  const TimeTriple at{8, 0, 0};
  trains[0].entryTime = at;  // approach with offset 0
  trains[5].arrivalTime = at;
  trains[2].arrivalTime = at;
  trains[2].departureTime = {8, 0, 6};
  trains[31].entryTime = {7, 59, 50};
  trains[31].approachOffset = 10;
  s.clock.set(8, 0, 0);
  s.station().TMC_Timer();

  const auto& v = s.station().trainVoices;
  EXPECT_EQ(s.takeCalls(), (std::vector<std::string>{
                               s.call("play0", v[2].arrivalSound),
                               s.call("play0", v[2].preDepartureSound),
                               s.call("play0", v[5].arrivalSound),
                               s.call("play0", v[0].approachSound),
                               s.call("play0", v[31].approachSound),
                           }));
}

TEST(StationClock, EveryTickOfTheSecondStartsTheSoundWhichThenPlaysOnce) {
  RunningStation s;
  s.station().record.trains[7].arrivalTime = {12, 0, 0};
  const VoiceId voice = s.station().trainVoices[7].arrivalSound;
  s.clock.set(11, 59, 59, 800);
  for (int tick = 0; tick < 5; ++tick) {
    s.clock.advanceMs(Tovarek2::kTickIntervalMs);
    s.station().TMC_Timer();
  }
  // Ticks at .100, .400, .700 of the arrival second, then .000 and .300 of the next.
  EXPECT_EQ(s.takeCalls(), (std::vector<std::string>(3, s.call("play0", voice))));
  EXPECT_TRUE(s.sound.isPlaying(voice));
}

TEST(StationClock, ASecondWithoutATickLosesItsAnnouncement) {
  RunningStation s;
  s.station().record.trains[3].arrivalTime = {12, 0, 0};
  s.clock.set(11, 59, 59, 900);
  s.station().TMC_Timer();
  s.clock.advanceMs(1200);  // the thread was busy all through 12:00:00
  s.station().TMC_Timer();
  EXPECT_TRUE(s.takeCalls().empty());
}

TEST(StationClock, FollowsTheStationClockOffset) {
  RunningStation s;
  s.station().record.trains[20].arrivalTime = {6, 30, 0};
  s.clock.set(6, 0, 0);
  s.station().clockOffsetSeconds = 30 * 60;
  s.station().TMC_Timer();
  EXPECT_EQ(s.station().AcumeJiLabel.text, "6");
  EXPECT_EQ(s.station().AcumeFunLabel.text, "30");
  EXPECT_EQ(s.takeCalls(),
            (std::vector<std::string>{s.call("play0", s.station().trainVoices[20].arrivalSound)}));
}

TEST(StationClock, TicksOnWhileTheSettingsWindowIsOpen) {
  RunningStation s;
  s.station().record.trains[1].arrivalTime = {12, 0, 0};
  s.station().IDMSet2_Click();
  ASSERT_TRUE(s.station().passesHeld());
  s.clock.set(12, 0, 0);
  s.station().TMC_Timer();
  EXPECT_EQ(s.station().AcumeJiLabel.text, "12");
  EXPECT_EQ(s.takeCalls(),
            (std::vector<std::string>{s.call("play0", s.station().trainVoices[1].arrivalSound)}));
}

}  // namespace
