#include <gtest/gtest.h>

#include "running_station.h"

namespace {

// Train 9 leaves board 1 at 10:00:00.
constexpr TimeTriple kDeparture{10, 0, 0};
constexpr int kTrain = 9;

struct BellCase {
  const char* name;
  int secondsBeforeDeparture;
  bool inWindow;
};
const BellCase kBellCases[] = {
    {"a minute and a second early", 61, false},
    {"exactly a minute early", 60, true},
    {"half a minute early", 30, true},
    {"a second early", 1, true},
    {"at the departure second", 0, true},
    {"a second late", -1, false},
    {"an hour late", -3600, false},
};

void setClockBefore(RunningStation& s, int secondsBefore) {
  const int t = 10 * 3600 - secondsBefore;
  s.clock.set(t / 3600, t / 60 % 60, t % 60, 500);
}

TEST(BellButtons, StartRingsOnlyInTheLastMinute) {
  for (const auto& c : kBellCases) {
    SCOPED_TRACE(c.name);
    RunningStation s;
    s.station().record.trains[kTrain].departureTime = kDeparture;
    setClockBefore(s, c.secondsBeforeDeparture);
    s.station().Command3_Click();
    std::vector<std::string> expected;
    if (c.inWindow) expected = {s.call("play0", s.station().trainVoices[kTrain].bellSound)};
    EXPECT_EQ(s.takeCalls(), expected);
  }
}

TEST(BellButtons, StopSilencesRewindsAndSoundsTheStopSignalOnlyInTheLastMinute) {
  for (const auto& c : kBellCases) {
    SCOPED_TRACE(c.name);
    RunningStation s;
    s.station().record.trains[kTrain].departureTime = kDeparture;
    const TrainVoices& v = s.station().trainVoices[kTrain];
    s.sound.play(v.bellSound, kPlayOnce);  // still ringing from an earlier start
    s.takeCalls();
    setClockBefore(s, c.secondsBeforeDeparture);
    s.station().Command4_Click();
    std::vector<std::string> expected;
    if (c.inWindow) {
      expected = {s.call("stop", v.bellSound), s.call("rewind", v.bellSound),
                  s.call("play0", v.bellStopSound)};
    }
    EXPECT_EQ(s.takeCalls(), expected);
    EXPECT_EQ(s.sound.isPlaying(v.bellSound), !c.inWindow);
  }
}

struct ButtonCase {
  const char* name;
  void (Tovarek2::*click)();
  int board;
  bool start;
};
const ButtonCase kButtonCases[] = {
    {"Command1 starts board 0", &Tovarek2::Command1_Click, 0, true},
    {"Command2 stops board 0", &Tovarek2::Command2_Click, 0, false},
    {"Command3 starts board 1", &Tovarek2::Command3_Click, 1, true},
    {"Command4 stops board 1", &Tovarek2::Command4_Click, 1, false},
    {"Command5 starts board 2", &Tovarek2::Command5_Click, 2, true},
    {"Command6 stops board 2", &Tovarek2::Command6_Click, 2, false},
    {"Command7 starts board 3", &Tovarek2::Command7_Click, 3, true},
    {"Command8 stops board 3", &Tovarek2::Command8_Click, 3, false},
};

TEST(BellButtons, EachButtonActsOnItsOwnBoardOnly) {
  for (const auto& c : kButtonCases) {
    SCOPED_TRACE(c.name);
    RunningStation s;
    // One train of every board is in its last minute.
    for (int b = 0; b < kBoardCount; ++b) {
      s.station().record.trains[8 * b + 5].departureTime = kDeparture;
    }
    setClockBefore(s, 10);
    (s.station().*c.click)();
    const TrainVoices& v = s.station().trainVoices[8 * c.board + 5];
    std::vector<std::string> expected;
    if (c.start) {
      expected = {s.call("play0", v.bellSound)};
    } else {
      expected = {s.call("stop", v.bellSound), s.call("rewind", v.bellSound),
                  s.call("play0", v.bellStopSound)};
    }
    EXPECT_EQ(s.takeCalls(), expected);
  }
}

TEST(BellButtons, TrainsSharingTheLastMinuteRingAndStopTogetherInTrainOrder) {
  RunningStation s;
  auto& trains = s.station().record.trains;
  trains[30].departureTime = {10, 0, 30};
  trains[24].departureTime = kDeparture;
  trains[27].departureTime = {10, 2, 0};  // its minute has not begun
  setClockBefore(s, 20);
  const auto& v = s.station().trainVoices;

  s.station().Command7_Click();
  EXPECT_EQ(s.takeCalls(), (std::vector<std::string>{s.call("play0", v[24].bellSound),
                                                     s.call("play0", v[30].bellSound)}));
  s.station().Command8_Click();
  EXPECT_EQ(s.takeCalls(),
            (std::vector<std::string>{
                s.call("stop", v[24].bellSound), s.call("rewind", v[24].bellSound),
                s.call("play0", v[24].bellStopSound), s.call("stop", v[30].bellSound),
                s.call("rewind", v[30].bellSound), s.call("play0", v[30].bellStopSound)}));
}

TEST(BellButtons, AStartAfterAStopRingsFromTheBeginning) {
  RunningStation s;
  s.station().record.trains[kTrain].departureTime = kDeparture;
  const TrainVoices& v = s.station().trainVoices[kTrain];
  setClockBefore(s, 40);
  s.station().Command3_Click();
  s.sound.voices[v.bellSound].position = 4000;  // rung a while
  s.station().Command4_Click();
  EXPECT_EQ(s.sound.position(v.bellSound), 0u);
  EXPECT_FALSE(s.sound.isPlaying(v.bellSound));
  s.takeCalls();
  s.station().Command3_Click();
  EXPECT_EQ(s.takeCalls(), (std::vector<std::string>{s.call("play0", v.bellSound)}));
  EXPECT_TRUE(s.sound.isPlaying(v.bellSound));
}

TEST(BellButtons, ASilentBellIsStillRewoundAndAnEndedOneRingsAgain) {
  RunningStation s;
  s.station().record.trains[kTrain].departureTime = kDeparture;
  const TrainVoices& v = s.station().trainVoices[kTrain];
  setClockBefore(s, 50);
  s.station().Command4_Click();  // nothing rang yet
  EXPECT_EQ(s.takeCalls(),
            (std::vector<std::string>{s.call("stop", v.bellSound), s.call("rewind", v.bellSound),
                                      s.call("play0", v.bellStopSound)}));
  EXPECT_TRUE(s.sound.isPlaying(v.bellStopSound));

  s.station().Command3_Click();
  s.sound.finish(v.bellSound);  // rang to its end by itself
  s.clock.advanceMs(20'000);
  s.takeCalls();
  s.station().Command3_Click();
  EXPECT_EQ(s.takeCalls(), (std::vector<std::string>{s.call("play0", v.bellSound)}));
  EXPECT_TRUE(s.sound.isPlaying(v.bellSound));
}

TEST(BellButtons, ABellStartedAtTheDepartureSecondRingsOnPastAStopClick) {
  RunningStation s;
  s.station().record.trains[kTrain].departureTime = kDeparture;
  const TrainVoices& v = s.station().trainVoices[kTrain];
  setClockBefore(s, 0);
  s.station().Command3_Click();
  s.clock.advanceMs(1000);
  s.takeCalls();
  s.station().Command4_Click();
  EXPECT_TRUE(s.takeCalls().empty());
  EXPECT_TRUE(s.sound.isPlaying(v.bellSound));
}

TEST(BellButtons, ADepartureWritten24_01_01NeverRingsButMidnightRingsInTheLastMinute) {
  RunningStation s;
  auto& trains = s.station().record.trains;
  trains[0].departureTime = {24, 1, 1};  // its minute would begin after the day ends
  trains[1].departureTime = {24, 0, 0};
  s.clock.set(23, 59, 59);
  s.station().Command1_Click();
  EXPECT_EQ(s.takeCalls(),
            (std::vector<std::string>{s.call("play0", s.station().trainVoices[1].bellSound)}));
}

TEST(BellButtons, HeldWhileTheSettingsWindowIsOpenOrNoStationRuns) {
  RunningStation s;
  s.station().record.trains[kTrain].departureTime = kDeparture;
  setClockBefore(s, 10);
  s.station().IDMSet2_Click();
  s.station().Command3_Click();
  s.station().Command4_Click();
  EXPECT_TRUE(s.takeCalls().empty());

  TestWindow empty;  // nothing loaded: no voices to ring
  empty.clock.set(0, 0, 0);
  empty.main->Command1_Click();
  empty.main->Command2_Click();
  EXPECT_TRUE(empty.sound.calls.empty());
}

}  // namespace
