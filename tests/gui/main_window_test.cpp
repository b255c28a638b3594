#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <map>
#include <set>

#include "gui/element_style.h"
#include "gui/main_window_layout.h"
#include "support/fixtures.h"

namespace {

struct MainWindowTest : ::testing::Test {
  TestWindow station;
  Tovarek2& main = *station.main;
  std::vector<int> buttons;
  std::vector<std::string> menus;
  int closes = 0;
  std::unique_ptr<MainWindow> window;

  void open() {
    window = std::make_unique<MainWindow>(
        main, MainWindowActions{[this](int c) { buttons.push_back(c); },
                                [this](const std::string& n) { menus.push_back(n); },
                                [this] { ++closes; }});
  }
  QWidget* widget(const std::string& name) {
    QWidget* w = window->elementWidget(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QColor pixel(QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); }
};

TEST_F(MainWindowTest, EveryElementOfTheArraysHasOneWidget) {
  const auto slots_ = mainWindowSlots(main);
  std::map<std::string, int> count;
  std::set<const ElementBase*> elements;
  for (const auto& s : slots_) {
    ++count[s.name.substr(0, s.name.find('('))];
    EXPECT_TRUE(elements.insert(s.element).second) << s.name << " twice";
  }
  const std::pair<const char*, int> expected[] = {
      {"Text1", 128},    {"Text2", 4},        {"Text3", 16},        {"Text4", 32},
      {"Text5", 16},     {"Picture2", 4},     {"Picture3", 1},      {"Picture4", 4},
      {"Picture5", 16},  {"Picture7", 16},    {"Picture8", 32},     {"Picture9", 32},
      {"Picture10", 32}, {"Picture11", 32},   {"Picture12", 32},    {"Picture38", 1},
      {"Command", 8},    {"AcumeJiLabel", 1}, {"AcumeFunLabel", 1}, {"AcumeByoLabel", 1},
      {"Label1", 1},     {"Label6", 1},
  };
  for (const auto& [name, n] : expected) EXPECT_EQ(count[name], n) << name;
  for (const auto& s : slots_) EXPECT_LT(s.parent, static_cast<int>(&s - slots_.data()));
}

TEST_F(MainWindowTest, ElementsSitInTheirContainers) {
  open();
  struct Case {
    const char* element;
    const char* container;
  };
  const Case cases[] = {
      {"Picture3", "inside"},         {"Text2(1)", "Picture3"},
      {"Picture4(3)", "Picture3"},    {"Picture2(2)", "Picture3"},
      {"Text1(0)", "Picture4(0)"},    {"Text1(29)", "Picture4(1)"},
      {"Text1(70)", "Picture4(2)"},   {"Text1(85)", "Picture4(3)"},
      {"Text1(44)", "Picture4(1)"},   {"Text1(27)", "Picture4(1)"},
      {"Picture5(9)", "Picture4(1)"}, {"Picture7(0)", "Picture4(2)"},
      {"Text3(1)", "Picture4(0)"},    {"Text5(11)", "Picture4(3)"},
      {"Picture8(9)", "Picture4(1)"}, {"Picture12(31)", "Picture4(3)"},
      {"Command(0)", "Picture2(0)"},  {"Command(7)", "Picture2(3)"},
      {"Text1(4)", "inside"},         {"Text1(127)", "inside"},
      {"Picture5(4)", "inside"},      {"Text5(15)", "inside"},
      {"Text4(31)", "inside"},        {"Picture38", "inside"},
      {"AcumeByoLabel", "Picture38"}, {"Label6", "Picture38"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.element);
    QWidget* w = widget(c.element);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), QString(c.container));
  }
}

TEST_F(MainWindowTest, StackingOrderPutsStripsOverCellsAndSparesOverThePanel) {
  open();
  auto order = [this](const char* name) {
    QWidget* w = widget(name);
    return w->parentWidget()->children().indexOf(w);
  };
  EXPECT_LT(order("Text1(0)"), order("Picture8(0)"));
  EXPECT_LT(order("Picture5(0)"), order("Picture12(1)"));
  EXPECT_LT(order("Text1(0)"), order("Text1(3)"));  // the colon over the hour cell
  EXPECT_LT(order("Picture3"), order("Text1(4)"));
  EXPECT_LT(order("Text1(4)"), order("Text1(9)"));  // later spare rows cover earlier ones
  EXPECT_LT(order("Picture3"), order("Picture38"));
  EXPECT_LT(order("Picture3"), order("Text4(0)"));
  EXPECT_LT(order("AcumeJiLabel"), order("Label1"));
}

TEST_F(MainWindowTest, TheInsideIsFixedBelowTheMenuBar) {
  open();
  EXPECT_EQ(window->inside()->size(), QSize(909, 573));
  EXPECT_EQ(window->inside()->minimumSize(), window->inside()->maximumSize());
  EXPECT_EQ(window->windowTitle(), "Tovarek2");
  main.title = "みなと中央";
  window->syncAll();
  EXPECT_EQ(window->windowTitle(), "みなと中央");
}

TEST_F(MainWindowTest, ATextElementShowsAtItsPlaceInItsColours) {
  TextElement& title = main.Text2[1];
  title.rect = {8400, 120, 5055, 390};
  title.foreColour = 0xFFFFFF;
  title.backColour = 0x404040;
  title.align = Align::Right;
  title.font = {"HGPｺﾞｼｯｸE", 14.25, false};
  title.toolTip = "案内板です";
  title.setText("発車ご案内");
  open();
  auto* w = static_cast<TextWidget*>(widget("Text2(1)"));
  EXPECT_EQ(w->geometry(), QRect(560, 8, 337, 26));
  EXPECT_EQ(w->toolTip(), "案内板です");
  EXPECT_EQ(w->cachedFont().pixelSize(), 19);
  EXPECT_EQ(pixel(w, 1, 1), QColor(64, 64, 64));
}

TEST_F(MainWindowTest, OnlyWidgetsWhoseRevisionMovedAreRefreshed) {
  open();
  EXPECT_EQ(window->sync(), 0);
  TextElement& hour = main.Text1[5];
  const QRect before = widget("Text1(5)")->geometry();
  hour.rect.left += 150;  // moved without a revision: nothing visible yet
  EXPECT_EQ(window->sync(), 0);
  EXPECT_EQ(widget("Text1(5)")->geometry(), before);
  hour.setText(hour.text + "7");
  const bool clockShown = main.Picture38.visible;
  main.Picture38.setVisible(!clockShown);
  EXPECT_EQ(window->sync(), 2);
  EXPECT_EQ(widget("Text1(5)")->geometry(), before.translated(10, 0));
  EXPECT_EQ(widget("Picture38")->isHidden(), clockShown);
  EXPECT_EQ(window->sync(), 0);
}

TEST_F(MainWindowTest, ThePanelShowsItsSurfaceOverItsBackColour) {
  PictureElement& cell = main.Picture5[0];
  cell.rect = {750, 120, 1050, 390};
  cell.backColour = 0x0000FF;
  auto bitmap = std::make_shared<Surface>(4, 2, 0x00123456);
  cell.setPicture("駅素材/快速.bmp", bitmap);
  open();
  QWidget* w = widget("Picture5(0)");
  EXPECT_EQ(pixel(w, 1, 1), QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(pixel(w, 10, 10), QColor(255, 0, 0));
}

TEST_F(MainWindowTest, TheViewIsPaintedFromTheWindowSurfaceWithoutACopy) {
  Surface& s = main.windowSurface;
  EXPECT_EQ(imageOver(s).constBits(), reinterpret_cast<const uchar*>(s.pixels.data()));
  open();
  s.row(5)[5] = 0x00123456;
  ++main.windowSurfaceRevision;
  window->sync();
  EXPECT_EQ(pixel(window->inside(), 5, 5), QColor(0x12, 0x34, 0x56));
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndCommands) {
  open();
  const auto bar = window->menuBar()->actions();
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar[0]->text(), "ファイル");
  EXPECT_EQ(bar[1]->text(), "設定");
  struct Case {
    const char* name;
    const char* caption;
  };
  const Case cases[] = {
      {"IDMNew", "乗り換え"}, {"IDMExit", "終了"}, {"IDMSet2", "設定"}, {"Chang", "乗換実行"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto* a = window->findChild<QAction*>(c.name);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(), c.caption);
    menus.clear();
    a->trigger();
    EXPECT_EQ(menus, std::vector<std::string>{c.name});
  }
  EXPECT_EQ(bar[0]->menu()->actions().value(0)->objectName(), "IDMNew");
  EXPECT_EQ(bar[1]->menu()->actions().value(1)->objectName(), "Chang");
}

TEST_F(MainWindowTest, BellButtonsCallTheirCommandAndShowTheirImages) {
  open();
  for (int c = 0; c < 8; ++c) {
    auto* b = static_cast<QToolButton*>(widget("Command(" + std::to_string(c) + ")"));
    EXPECT_EQ(b->iconSize(), QSize(20, 20));
    b->click();
  }
  EXPECT_EQ(buttons, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(MainWindowTest, TheBellPanelShowsTheBellPicture) {
  main.Picture2[0].rect = {5280, 1080, 735, 1455};
  main.Picture2[0].backColour = 0x000000;
  ++main.Picture2[0].revision;
  open();
  const QImage panel = widget("Picture2(0)")->grab().toImage();
  EXPECT_NE(panel.pixelColor(44, 92), QColor(0, 0, 0));  // inside the 45 x 93 bell picture
  EXPECT_EQ(panel.pixelColor(46, 94), QColor(0, 0, 0));
}

TEST_F(MainWindowTest, ClosingAsksTheStationAndKeepsTheWindow) {
  open();
  window->show();
  QCloseEvent event;
  QApplication::sendEvent(window.get(), &event);
  EXPECT_FALSE(event.isAccepted());
  EXPECT_EQ(closes, 1);
}

// Runs once the station lays its elements out: the window shows them where the boards',
// clock's and bells' layout tables put them, in their fonts.
TEST_F(MainWindowTest, ASampleOfEachLayoutTableStandsWhereTheLayoutSays) {
  if (main.Picture3.rect.width == 0) GTEST_SKIP() << "the station has not laid out its elements";
  open();
  struct Case {
    const char* name;
    QPoint inInside;  // top left in the window's inside, pixels
    int fontPixels;   // 0 = not a text
  };
  const int panelY = pixelsFromTwips(3279);
  const Case cases[] = {
      {"Picture3", {0, panelY}, 0},
      {"Text2(1)", {560, panelY + 8}, 19},
      {"Picture4(2)", {8, panelY + 208}, 0},
      {"Text1(0)", {8 + 127, panelY + 32 + 8}, 24},  // board 0 row 0 hour cell
      {"Text3(9)", {560 + 200, panelY + 32 + 40}, 21},
      {"Picture2(1)", {504, panelY + 72}, 0},
      {"Command(3)", {504 + 13, panelY + 72 + 60}, 0},
      {"Picture38", {408, 344}, 0},
      {"AcumeFunLabel", {408 + 32, 344 + 8}, 19},
      {"Text1(4)", {8, 96}, 24},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget* w = widget(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->mapTo(window->inside(), QPoint(0, 0)), c.inInside);
    if (c.fontPixels)
      EXPECT_EQ(static_cast<TextWidget*>(w)->cachedFont().pixelSize(), c.fontPixels);
  }
}

}  // namespace
