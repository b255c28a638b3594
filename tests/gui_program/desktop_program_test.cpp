#include "gui/desktop_program.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

#include "support/fixtures.h"
#include "support/station_fixture.h"

namespace {

constexpr const char* kStation = "テスト駅.CSV";

// The whole desktop runner on a virtual clock over a small station written by the test.
struct Desk {
  TempFolder folder;
  VirtualClock clock;
  RecordingSound sound;
  QtWindowSystem windows;
  std::unique_ptr<Tovarek2> main;
  std::unique_ptr<DesktopProgram> program;
  std::vector<int> ends;

  Desk() {
    WriteStation(folder.path(), kStation, SampleRecord());
    clock.set(8, 0, 0);
    main = std::make_unique<Tovarek2>(clock, sound, windows, ProgramFolder(folder.path()));
  }
  void start(std::optional<std::string> station = std::nullopt) {
    DesktopProgram::Options options;
    options.station = station;
    options.interactiveErrors = false;
    program = std::make_unique<DesktopProgram>(*main, windows, options);
    program->setEndHandler([this](int status) { ends.push_back(status); });
    program->start();
  }
  void choose(const std::string& name) {
    StartupWindowView* view = program->startupView();
    ASSERT_NE(view, nullptr);
    auto found = view->files()->findItems(QString::fromStdString(name), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name;
    found[0]->setSelected(true);
  }
  void menu(const char* name) {
    auto* action = program->mainWindow()->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
  }
  // One firing of the pass timer a pass interval later.
  void passTime() {
    clock.advanceMs(Tovarek2::kPassIntervalMs);
    program->pacer().onTimer();
  }
};

struct DesktopProgramTest : ::testing::Test, Desk {};

TEST_F(DesktopProgramTest, TheStartUpWindowOpensOnTheStationFolder) {
  start();
  ASSERT_NE(program->startupView(), nullptr);
  EXPECT_TRUE(program->startupView()->isVisible());
  EXPECT_EQ(program->mainWindow(), nullptr);
  EXPECT_EQ(program->startupView()->files()->findItems(kStation, Qt::MatchExactly).size(), 1);
  EXPECT_FALSE(program->pacer().active());
}

TEST_F(DesktopProgramTest, 乗車LoadsTheChosenStation) {
  start();
  choose(kStation);
  program->startupView()->command1()->click();
  ASSERT_NE(program->mainWindow(), nullptr);
  EXPECT_TRUE(program->mainWindow()->isVisible());
  EXPECT_FALSE(program->startupView() && program->startupView()->isVisible());
  EXPECT_EQ(program->mainWindow()->windowTitle().toStdString(), main->title);
  EXPECT_TRUE(program->pacer().active());
  EXPECT_TRUE(program->tickTimer().isActive());
  EXPECT_TRUE(ends.empty());
}

TEST_F(DesktopProgramTest, ADoubleClickLoadsAs乗車Does) {
  start();
  StartupWindowView* view = program->startupView();
  auto found = view->files()->findItems(kStation, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  emit view->files()->itemDoubleClicked(found[0]);
  ASSERT_NE(program->mainWindow(), nullptr);
  EXPECT_TRUE(program->mainWindow()->isVisible());
  EXPECT_EQ(main->loadedStation, kStation);
}

TEST_F(DesktopProgramTest, TheStationOptionLoadsAtOnce) {
  start(kStation);
  ASSERT_NE(program->mainWindow(), nullptr);
  EXPECT_TRUE(program->mainWindow()->isVisible());
  EXPECT_FALSE(program->startupView() && program->startupView()->isVisible());
}

TEST_F(DesktopProgramTest, PassesRunFromThePacerAndReachTheWidgets) {
  start(kStation);
  const auto before = main->passes;
  const auto surface = main->windowSurfaceRevision;
  passTime();
  passTime();
  EXPECT_EQ(main->passes, before + 2);
  EXPECT_NE(main->windowSurfaceRevision, surface);
  EXPECT_EQ(main->lastPassTick, static_cast<std::int32_t>(clock.tickMs()));
}

TEST_F(DesktopProgramTest, TheSettingsWindowHoldsPassesWhileTheTickGoesOn) {
  start(kStation);
  passTime();
  menu("IDMSet2");
  ASSERT_NE(program->settingsDialog(), nullptr);
  EXPECT_TRUE(program->settingsDialog()->isVisible());
  EXPECT_FALSE(program->pacer().active());
  const auto held = main->passes;
  passTime();
  passTime();
  EXPECT_EQ(main->passes, held) << "no pass while the settings window is open";
  EXPECT_TRUE(program->tickTimer().isActive());
  clock.advanceMs(2000);
  program->tick();
  EXPECT_EQ(main->AcumeByoLabel.text, std::to_string(main->stationTime().second));
  program->settingsDialog()->done()->click();
  EXPECT_FALSE(program->settingsDialog()->isVisible());
  EXPECT_TRUE(program->pacer().active());
  passTime();
  EXPECT_EQ(main->passes, held + 1);
}

TEST_F(DesktopProgramTest, AFailedFirstLoadEndsWithStatusOne) {
  start();
  main->startupWindow.chosen = "ない駅.CSV";
  program->startupView()->command1()->click();
  EXPECT_EQ(ends, std::vector<int>{1});
  ASSERT_EQ(program->errorsShown().size(), 1u);
  EXPECT_NE(program->errorsShown()[0].find("ない駅"), std::string::npos);
}

TEST_F(DesktopProgramTest, AFailedChangeOfStationKeepsTheStationRunning) {
  start(kStation);
  menu("IDMNew");
  ASSERT_NE(program->startupView(), nullptr);
  EXPECT_TRUE(program->startupView()->isVisible());
  main->startupWindow.chosen = "ない駅.CSV";
  menu("Chang");
  EXPECT_TRUE(ends.empty());
  EXPECT_EQ(program->errorsShown().size(), 1u);
  EXPECT_TRUE(program->mainWindow()->isVisible());
  EXPECT_EQ(main->loadedStation, kStation);
  EXPECT_TRUE(program->pacer().active());
}

TEST_F(DesktopProgramTest, EndingTheProgram) {
  struct Case {
    const char* name;
    std::function<void(Desk&)> act;
  };
  const Case cases[] = {
      {"menu 終了", [](Desk& t) { t.menu("IDMExit"); }},
      {"the main window's close box", [](Desk& t) { t.program->mainWindow()->close(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Desk t;
    t.start(kStation);
    c.act(t);
    EXPECT_EQ(t.ends, std::vector<int>{0});
    EXPECT_FALSE(t.program->pacer().active());
  }
}

}  // namespace
