#include "station/startup_window.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/station_fixture.h"

TEST(StartupWindow, ListsTheStationFolderAndPinsTheFolderListToIt) {
  TestWindow w;
  writeFile(w.folder.path() / "駅ファイル" / "b.csv", "");
  writeFile(w.folder.path() / "駅ファイル" / "A.CSV", "");
  writeFile(w.folder.path() / "駅ファイル" / "notes.txt", "");
  writeFile(w.folder.path() / "other" / "c.CSV", "");
  StartupWindow& s = w.main->startupWindow;
  s.Form_Load(*w.main);
  EXPECT_EQ(s.state, WindowState::Shown);
  EXPECT_EQ(s.files, (std::vector<std::string>{"A.CSV", "b.csv"}));
  EXPECT_EQ(s.chosen, "");
  s.選択_Click("b.csv");
  EXPECT_EQ(s.chosen, "b.csv");
  s.Dir1_Change(*w.main, w.folder.path() / "other");
  EXPECT_EQ(s.folder, w.folder.path() / "駅ファイル");
  EXPECT_EQ(s.files, (std::vector<std::string>{"A.CSV", "b.csv"}));
}

TEST(StartupWindow, AMissingStationFolderIsAnErrorNotACrash) {
  TestWindow w;
  w.main->startupWindow.Form_Load(*w.main);
  EXPECT_TRUE(w.main->startupWindow.files.empty());
  ASSERT_EQ(w.windows.errors.size(), 1u);
  EXPECT_NE(w.windows.errors[0].find("駅ファイル"), std::string::npos);
}

TEST(StartupWindow, BoardingLoadsOnceAndLaterOnlyShowsTheMainWindow) {
  TestWindow w;
  WriteStation(w.folder.path(), "a.CSV", SampleRecord("一番駅"));
  WriteStation(w.folder.path(), "b.CSV", SampleRecord("二番駅"));
  StartupWindow& s = w.main->startupWindow;
  s.Form_Load(*w.main);
  s.選択_DblClick(*w.main, "a.CSV");  // as choosing and pressing "乗車"
  EXPECT_EQ(s.state, WindowState::Hidden);
  EXPECT_EQ(w.main->mainWindowState, WindowState::Shown);
  EXPECT_EQ(w.main->title, "一番駅");
  // Back through 乗り換え: a new choice waits for 乗換実行.
  w.main->setWindowState(WindowId::Miselu起動, WindowState::Shown);
  s.選択_Click("b.CSV");
  s.Command1_Click(*w.main);
  EXPECT_EQ(w.main->title, "一番駅");
  EXPECT_EQ(w.main->loads, 1u);
}

TEST(StartupWindow, TheCloseBoxEndsTheProgramOnlyBeforeAStationRuns) {
  TestWindow before;
  before.main->startupWindow.Form_Load(*before.main);
  before.main->startupWindow.closeBox(*before.main);
  EXPECT_EQ(before.windows.endStatus, std::vector<int>{0});

  TestWindow after;
  WriteStation(after.folder.path(), "a.CSV", SampleRecord());
  StartupWindow& s = after.main->startupWindow;
  s.Form_Load(*after.main);
  s.選択_Click("a.CSV");
  s.Command1_Click(*after.main);
  after.main->setWindowState(WindowId::Miselu起動, WindowState::Shown);
  s.closeBox(*after.main);
  EXPECT_TRUE(after.windows.endStatus.empty());
  EXPECT_EQ(s.state, WindowState::Unloaded);
  EXPECT_EQ(s.chosen, "");  // a later change of station finds no file chosen
}

TEST(StartupWindow, TheExitButtonEndsTheProgram) {
  TestWindow w;
  w.main->startupWindow.Form_Load(*w.main);
  w.main->startupWindow.Command2_Click(*w.main);
  EXPECT_EQ(w.windows.endStatus, std::vector<int>{0});
}
