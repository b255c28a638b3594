#include <gtest/gtest.h>

#include "running_station.h"

namespace {

using Change = std::pair<WindowId, WindowState>;

TEST(MainMenus, IDMNewShowsTheStartupWindowAgainWithItsChoice) {
  RunningStation s;
  Tovarek2& m = s.station();
  m.startupWindow.state = WindowState::Hidden;
  m.startupWindow.chosen = "みなと中央.CSV";
  m.IDMNew_Click();
  EXPECT_EQ(m.startupWindow.state, WindowState::Shown);
  EXPECT_EQ(m.startupWindow.chosen, "みなと中央.CSV");
  EXPECT_EQ(s.windows.changes, (std::vector<Change>{{WindowId::Miselu起動, WindowState::Shown}}));
  EXPECT_EQ(m.mainWindowState, WindowState::Shown);
  EXPECT_TRUE(s.windows.endStatus.empty());
}

struct EndCase {
  const char* name;
  void (Tovarek2::*handler)();
  bool settingsOpen;
  std::vector<int> endStatus;
};
const EndCase kEndCases[] = {
    {"終了 ends the program", &Tovarek2::IDMExit_Click, false, {0}},
    {"the close box ends the program", &Tovarek2::Form_QueryUnload, false, {0}},
    {"a close while the settings window is open is not refused",
     &Tovarek2::Form_QueryUnload,
     true,
     {0}},
    {"the menus take no input while the settings window is open",
     &Tovarek2::IDMExit_Click,
     true,
     {}},
};

TEST(MainMenus, EndingTheProgram) {
  for (const auto& c : kEndCases) {
    SCOPED_TRACE(c.name);
    RunningStation s;
    if (c.settingsOpen) s.station().IDMSet2_Click();
    (s.station().*c.handler)();
    EXPECT_EQ(s.windows.endStatus, c.endStatus);
    EXPECT_EQ(s.station().ended, !c.endStatus.empty());
  }
}

TEST(MainMenus, IDMSet2OpensTheSettingsWindowAndReturnsHoldingThePasses) {
  RunningStation s;
  Tovarek2& m = s.station();
  EXPECT_FALSE(m.passesHeld());
  m.IDMSet2_Click();
  EXPECT_EQ(m.settingsWindow.state, WindowState::Shown);
  EXPECT_TRUE(m.passesHeld());
  EXPECT_EQ(s.windows.changes, (std::vector<Change>{{WindowId::設定, WindowState::Shown}}));

  m.settingsWindow.設定完了_Click(m);
  EXPECT_FALSE(m.passesHeld());
  m.IDMSet2_Click();
  m.settingsWindow.closeBox(m);
  EXPECT_FALSE(m.passesHeld());
}

TEST(MainMenus, MenusTakeNoInputWhileTheSettingsWindowIsOpen) {
  RunningStation s;
  Tovarek2& m = s.station();
  m.startupWindow.state = WindowState::Hidden;
  m.startupWindow.chosen = "無い駅.CSV";
  m.IDMSet2_Click();
  s.windows.changes.clear();
  m.IDMNew_Click();
  m.Chang_Click();
  EXPECT_EQ(m.startupWindow.state, WindowState::Hidden);
  EXPECT_TRUE(s.windows.changes.empty());
  EXPECT_TRUE(s.windows.errors.empty());
}

struct FailedChangeCase {
  const char* name;
  std::string chosen;
  std::string errorNames;
};
const FailedChangeCase kFailedChangeCases[] = {
    {"a station file that is not there", "無い駅.CSV", "無い駅.CSV"},
    {"no station chosen after the chooser was closed", "", "乗り換え"},
};

// A station that cannot be loaded is reported; the running one goes on as it was.
TEST(MainMenus, AFailedChangeOfStationKeepsTheRunningStation) {
  for (const auto& c : kFailedChangeCases) {
    SCOPED_TRACE(c.name);
    RunningStation s;
    Tovarek2& m = s.station();
    m.title = m.record.windowTitle = "みなと中央";
    m.record.trains[4].arrivalTime = {7, 0, 1};
    m.record.trains[4].departureTime = {7, 0, 30};
    m.startupWindow.chosen = c.chosen;
    s.clock.set(7, 0, 0);

    m.Chang_Click();
    ASSERT_EQ(s.windows.errors.size(), 1u);
    EXPECT_NE(s.windows.errors[0].find(c.errorNames), std::string::npos) << s.windows.errors[0];
    EXPECT_TRUE(s.windows.endStatus.empty());
    EXPECT_FALSE(m.ended);
    EXPECT_EQ(m.mainWindowState, WindowState::Shown);
    EXPECT_EQ(m.title, "みなと中央");
    EXPECT_TRUE(s.takeCalls().empty());  // no voice of the station was touched

    // Its clock and bells go on with its own timetable and voices.
    s.clock.advanceMs(1000);
    m.TMC_Timer();
    m.Command1_Click();
    const TrainVoices& v = m.trainVoices[4];
    EXPECT_EQ(s.takeCalls(), (std::vector<std::string>{s.call("play0", v.arrivalSound),
                                                       s.call("play0", v.bellSound)}));
  }
}

TEST(MainMenus, AFailedLoadWithNoStationRunningEndsTheProgram) {
  TestWindow w;
  w.main->startupWindow.chosen = "無い駅.CSV";
  w.main->Chang_Click();
  EXPECT_EQ(w.windows.errors.size(), 1u);
  EXPECT_EQ(w.windows.endStatus, (std::vector<int>{1}));
}

}  // namespace
