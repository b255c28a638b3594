#include <gtest/gtest.h>

#include "running_station.h"

namespace {

TEST(SettingsWindow, OpensAsDesignedUntickedAndEmpty) {
  RunningStation s;
  Tovarek2& m = s.station();
  m.IDMSet2_Click();
  const SettingsWindow& w = m.settingsWindow;
  EXPECT_EQ(w.デジタル時計.caption, "デジタル時計");
  EXPECT_EQ(w.デジタル時計.value, 0);
  EXPECT_EQ(w.Command1.caption, "時間");
  EXPECT_EQ(w.設定完了.caption, "設定完了");
  EXPECT_EQ(w.Text1[2].rect.left, 1680);
  for (const auto& box : w.Text1) EXPECT_EQ(box.text, "");
  EXPECT_TRUE(m.Picture38.visible);
}

TEST(SettingsWindow, TheBoxTiesTheClockPanelOnlyWhenClicked) {
  RunningStation s;
  Tovarek2& m = s.station();
  m.IDMSet2_Click();
  m.settingsWindow.デジタル時計_Click(m);
  EXPECT_EQ(m.settingsWindow.デジタル時計.value, 1);
  EXPECT_TRUE(m.Picture38.visible);
  m.settingsWindow.デジタル時計_Click(m);
  EXPECT_EQ(m.settingsWindow.デジタル時計.value, 0);
  EXPECT_FALSE(m.Picture38.visible);

  // Discarded and made afresh: unticked, and the panel stays hidden until the box is ticked.
  m.settingsWindow.closeBox(m);
  EXPECT_EQ(m.settingsWindow.state, WindowState::Unloaded);
  m.IDMSet2_Click();
  EXPECT_EQ(m.settingsWindow.デジタル時計.value, 0);
  EXPECT_FALSE(m.Picture38.visible);
  m.settingsWindow.デジタル時計_Click(m);
  EXPECT_TRUE(m.Picture38.visible);
}

struct LifecycleCase {
  const char* name;
  bool closeWithCloseBox;
  WindowState afterClosing;
  int boxOnReopening;
  const char* textOnReopening;
};
const LifecycleCase kLifecycleCases[] = {
    {"設定完了 hides it as the user left it", false, WindowState::Hidden, 1, "12"},
    {"the close box discards it", true, WindowState::Unloaded, 0, ""},
};

TEST(SettingsWindow, HiddenKeepsWhatWasSetClosedStartsAfresh) {
  for (const auto& c : kLifecycleCases) {
    SCOPED_TRACE(c.name);
    RunningStation s;
    Tovarek2& m = s.station();
    m.IDMSet2_Click();
    m.settingsWindow.デジタル時計_Click(m);
    m.settingsWindow.type(0, "12");
    if (c.closeWithCloseBox) {
      m.settingsWindow.closeBox(m);
    } else {
      m.settingsWindow.設定完了_Click(m);
    }
    EXPECT_EQ(m.settingsWindow.state, c.afterClosing);
    EXPECT_FALSE(m.passesHeld());
    EXPECT_TRUE(m.Picture38.visible);

    m.IDMSet2_Click();
    EXPECT_EQ(m.settingsWindow.state, WindowState::Shown);
    EXPECT_EQ(m.settingsWindow.デジタル時計.value, c.boxOnReopening);
    EXPECT_EQ(m.settingsWindow.Text1[0].text, c.textOnReopening);
    EXPECT_TRUE(m.Picture38.visible);
  }
}

TEST(SettingsWindow, ClicksOnAWindowNotOnScreenDoNothing) {
  RunningStation s;
  Tovarek2& m = s.station();
  m.settingsWindow.デジタル時計_Click(m);
  m.settingsWindow.type(1, "5");
  m.settingsWindow.設定完了_Click(m);
  m.settingsWindow.closeBox(m);
  EXPECT_EQ(m.settingsWindow.デジタル時計.value, 0);
  EXPECT_EQ(m.settingsWindow.Text1[1].text, "");
  EXPECT_EQ(m.settingsWindow.state, WindowState::Unloaded);
  EXPECT_TRUE(m.Picture38.visible);
  EXPECT_TRUE(s.windows.changes.empty());
}

struct TimeCase {
  const char* name;
  const char *hour, *minute, *second;
  bool sets;
  int secondOfDay;
};
const TimeCase kTimeCases[] = {
    {"a time in the afternoon", "15", "30", "45", true, 15 * 3600 + 30 * 60 + 45},
    {"midnight", "0", "0", "0", true, 0},
    {"the last second of the day", "23", "59", "59", true, 86399},
    {"leading zeros", "09", "05", "03", true, 9 * 3600 + 5 * 60 + 3},
    {"empty boxes", "", "", "", false, 0},
    {"one box empty", "10", "", "0", false, 0},
    {"letters", "ab", "0", "0", false, 0},
    {"hour 24", "24", "0", "0", false, 0},
    {"minute 60", "10", "60", "0", false, 0},
    {"second 60", "10", "0", "60", false, 0},
    {"a sign", "-1", "0", "0", false, 0},
    {"a plus sign", "+1", "0", "0", false, 0},
    {"a space", " 1", "0", "0", false, 0},
    {"a fraction", "1.5", "0", "0", false, 0},
    {"full-width digits", "１２", "0", "0", false, 0},
    {"a very long number", "000000000000000000000000000000012", "0", "0", true, 12 * 3600},
    {"digits past any int", "99999999999999999999", "0", "0", false, 0},
};

TEST(SettingsWindow, TheTimeButtonSetsTheStationClockOnlyFromATimeOfDay) {
  for (const auto& c : kTimeCases) {
    SCOPED_TRACE(c.name);
    RunningStation s;
    Tovarek2& m = s.station();
    s.clock.set(8, 0, 0, 250);
    m.IDMSet2_Click();
    m.settingsWindow.type(0, c.hour);
    m.settingsWindow.type(1, c.minute);
    m.settingsWindow.type(2, c.second);
    s.windows.changes.clear();
    m.settingsWindow.Command1_Click(m);

    EXPECT_EQ(m.currentSecond(), c.sets ? c.secondOfDay : 8 * 3600);
    EXPECT_EQ(m.stationTime().millisecond, 250);
    EXPECT_EQ(m.settingsWindow.state, WindowState::Shown);
    EXPECT_TRUE(s.windows.errors.empty());
    EXPECT_TRUE(s.windows.changes.empty());
    if (!c.sets) {
      EXPECT_EQ(m.clockOffsetSeconds, 0);
      EXPECT_TRUE(s.takeCalls().empty());
    }
  }
}

TEST(SettingsWindow, TheStationRunsOnTheNewTime) {
  RunningStation s;
  Tovarek2& m = s.station();
  m.record.trains[10].arrivalTime = {18, 0, 1};
  m.record.trains[10].departureTime = {18, 0, 40};
  m.Picture8[3].setVisible(true);
  m.Picture12[31].setVisible(true);
  s.clock.set(8, 0, 0);
  m.IDMSet2_Click();
  m.settingsWindow.type(0, "18");
  m.settingsWindow.type(1, "0");
  m.settingsWindow.type(2, "0");
  m.settingsWindow.Command1_Click(m);

  // The board sound and the ambient sounds of the old hour fall silent and start afresh.
  std::vector<std::string> expected;
  for (VoiceId v : {m.boardSound, m.periodVoices[0], m.periodVoices[1], m.periodVoices[2]}) {
    expected.push_back(s.call("stop", v));
    expected.push_back(s.call("rewind", v));
  }
  EXPECT_EQ(s.takeCalls(), expected);
  EXPECT_FALSE(m.Picture8[3].visible);
  EXPECT_FALSE(m.Picture12[31].visible);
  EXPECT_EQ(m.loadSecond, 18 * 3600);
  EXPECT_EQ(m.loadMinute, 18 * 3600);

  // The clock, the announcements and the bells follow the station clock from now on.
  s.clock.advanceMs(1000);
  m.TMC_Timer();
  EXPECT_EQ(m.AcumeJiLabel.text, "18");
  EXPECT_EQ(m.AcumeByoLabel.text, "1");
  m.settingsWindow.設定完了_Click(m);
  m.Command3_Click();
  const TrainVoices& v = m.trainVoices[10];
  EXPECT_EQ(s.takeCalls(), (std::vector<std::string>{s.call("play0", v.arrivalSound),
                                                     s.call("play0", v.bellSound)}));
}

TEST(SettingsWindow, TheStationClockWrapsAtMidnight) {
  RunningStation s;
  Tovarek2& m = s.station();
  s.clock.set(12, 0, 0);
  m.setStationTime(23, 59, 59);
  s.clock.advanceMs(1000);
  EXPECT_EQ(m.currentSecond(), 0);
  s.clock.set(23, 0, 0);
  m.setStationTime(0, 0, 5);
  EXPECT_EQ(m.currentSecond(), 5);
}

}  // namespace
