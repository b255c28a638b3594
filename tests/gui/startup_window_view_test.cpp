#include "gui/startup_window_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QTest>

#include "support/fixtures.h"

namespace {

struct StartupViewTest : ::testing::Test {
  TempFolder root;
  StartupWindow model;
  std::vector<std::string> calls;
  std::unique_ptr<StartupWindowView> view;

  StartupViewTest() {
    std::filesystem::create_directories(root.path() / "駅ファイル" / "古い駅");
    model.state = WindowState::Shown;
    model.drive = "/";
    model.folder = root.path() / "駅ファイル";
    model.files = {"みなと中央.CSV", "山手.csv"};
    ++model.revision;
  }
  void open() {
    view = std::make_unique<StartupWindowView>(
        model,
        StartupActions{
            [this](const std::filesystem::path& p) { calls.push_back("drive " + p.string()); },
            [this](const std::filesystem::path& p) { calls.push_back("dir " + p.string()); },
            [this](const std::string& n) { calls.push_back("click " + n); },
            [this](const std::string& n) { calls.push_back("dblclick " + n); },
            [this] { calls.push_back("乗車"); },
            [this] { calls.push_back("終了"); },
            [this] { calls.push_back("close"); },
        });
  }
  QStringList items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text().trimmed();
    return out;
  }
};

TEST_F(StartupViewTest, TheWindowIsLaidOutAsDesigned) {
  open();
  EXPECT_EQ(view->windowTitle(), "Tovarek");
  EXPECT_EQ(view->size(), QSize(546, 210));
  struct Case {
    QWidget* widget;
    QRect rect;
  };
  const Case cases[] = {
      {view->label1(), {408, 0, 70, 25}},     {view->drive1(), {408, 24, 137, 20}},
      {view->dir1(), {408, 48, 137, 62}},     {view->files(), {408, 112, 137, 66}},
      {view->command1(), {408, 184, 65, 25}}, {view->command2(), {480, 184, 65, 25}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.widget->objectName().toStdString());
    EXPECT_EQ(c.widget->geometry(), c.rect);
  }
  EXPECT_EQ(view->label1()->text(), "駅選択");
  EXPECT_EQ(view->command1()->text(), "乗車");
  EXPECT_EQ(view->command2()->text(), "終了");
  auto* picture = view->findChild<QLabel*>("picture");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->pixmap().size(), QSize(398, 208));
}

TEST_F(StartupViewTest, TabOrderRunsFromTheFileListToTheDriveList) {
  open();
  const std::vector<QWidget*> order = {view->files(), view->command1(), view->dir1(),
                                       view->command2(), view->drive1()};
  // Walk the focus chain once round, keeping the five controls in the order met.
  std::vector<QWidget*> met;
  QWidget* w = view->files();
  do {
    if (std::find(order.begin(), order.end(), w) != order.end()) met.push_back(w);
    w = w->nextInFocusChain();
  } while (w != view->files() && met.size() < 10);
  EXPECT_EQ(met, order);
}

TEST_F(StartupViewTest, ListsShowTheModel) {
  open();
  EXPECT_EQ(items(view->files()), (QStringList{"みなと中央.CSV", "山手.csv"}));
  EXPECT_TRUE(items(view->dir1()).contains("駅ファイル"));
  EXPECT_TRUE(items(view->dir1()).contains("古い駅"));
  EXPECT_EQ(view->drive1()->currentText(), "/");
  EXPECT_TRUE(view->files()->selectedItems().isEmpty());
}

TEST_F(StartupViewTest, ListsAreRebuiltOnlyWhenTheModelMoved) {
  open();
  model.files = {"新しい駅.CSV"};
  view->sync();
  EXPECT_EQ(view->files()->count(), 2);
  ++model.revision;
  view->sync();
  EXPECT_EQ(items(view->files()), QStringList{"新しい駅.CSV"});
  EXPECT_TRUE(calls.empty()) << "rebuilding the lists is no user action";
}

TEST_F(StartupViewTest, TheChosenFileIsSelected) {
  model.chosen = "山手.csv";
  open();
  ASSERT_EQ(view->files()->selectedItems().size(), 1);
  EXPECT_EQ(view->files()->selectedItems()[0]->text(), "山手.csv");
}

TEST_F(StartupViewTest, UserActionsReachTheModelHandlers) {
  open();
  view->show();
  QListWidget* files = view->files();
  const QRect second = files->visualItemRect(files->item(1));
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, second.center());
  QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, second.center());
  view->command1()->click();
  view->command2()->click();
  EXPECT_EQ(calls,
            (std::vector<std::string>{"click 山手.csv", "dblclick 山手.csv", "乗車", "終了"}));
}

TEST_F(StartupViewTest, AClickInTheFolderListNamesTheFolder) {
  open();
  view->show();
  QListWidget* dirs = view->dir1();
  QListWidgetItem* old = dirs->findItems("古い駅", Qt::MatchContains).value(0);
  ASSERT_NE(old, nullptr);
  QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, dirs->visualItemRect(old).center());
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0], "dir " + (root.path() / "駅ファイル" / "古い駅").string());
}

TEST_F(StartupViewTest, ChoosingADriveNamesIt) {
  open();
  emit view->drive1()->activated(0);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "drive " + view->drive1()->itemData(0).toString().toStdString());
}

TEST_F(StartupViewTest, AFolderErrorIsShownAndCannotBeChosen) {
  model.files.clear();
  model.error = "the station folder 駅ファイル does not exist";
  open();
  ASSERT_EQ(view->files()->count(), 1);
  EXPECT_FALSE(view->files()->item(0)->flags() & Qt::ItemIsSelectable);
  EXPECT_EQ(view->files()->item(0)->text().toStdString(), model.error);
}

TEST_F(StartupViewTest, TheCloseBoxGoesToTheModel) {
  open();
  QCloseEvent event;
  QApplication::sendEvent(view.get(), &event);
  EXPECT_FALSE(event.isAccepted());
  EXPECT_EQ(calls, std::vector<std::string>{"close"});
}

TEST(MountedVolumes, TheRootIsAlwaysThere) {
  EXPECT_TRUE(mountedVolumes().contains("/"));
  for (const QString& v : mountedVolumes()) EXPECT_FALSE(v.startsWith("/proc")) << v.toStdString();
}

}  // namespace
