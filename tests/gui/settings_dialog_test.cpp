#include "gui/settings_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QTest>

namespace {

struct SettingsDialogTest : ::testing::Test {
  SettingsWindow model;
  std::vector<std::string> calls;
  QWidget parent;
  std::unique_ptr<SettingsDialog> dialog;

  void open() {
    dialog = std::make_unique<SettingsDialog>(
        model,
        SettingsActions{[this] {
                          calls.push_back("check");
                          model.デジタル時計.setValue(model.デジタル時計.value ? 0 : 1);
                        },
                        [this](int box, const std::string& t) {
                          calls.push_back("type " + std::to_string(box) + " " + t);
                        },
                        [this] { calls.push_back("時間"); },
                        [this] { calls.push_back("設定完了"); },
                        [this] { calls.push_back("close"); }},
        &parent);
  }
};

TEST_F(SettingsDialogTest, TheWindowIsLaidOutAsDesigned) {
  open();
  EXPECT_EQ(dialog->windowTitle(), "設定");
  EXPECT_EQ(dialog->size(), QSize(312, 213));
  EXPECT_EQ(dialog->checkBox()->geometry(), QRect(8, 8, 105, 17));
  EXPECT_EQ(dialog->checkBox()->text(), "デジタル時計");
  EXPECT_EQ(dialog->timeBox(0)->geometry(), QRect(16, 48, 33, 33));
  EXPECT_EQ(dialog->timeBox(2)->geometry(), QRect(112, 48, 33, 33));
  EXPECT_EQ(dialog->command1()->geometry(), QRect(200, 56, 65, 25));
  EXPECT_EQ(dialog->command1()->text(), "時間");
  EXPECT_EQ(dialog->done()->geometry(), QRect(224, 176, 65, 25));
  EXPECT_EQ(dialog->done()->text(), "設定完了");
  EXPECT_FALSE(dialog->checkBox()->isChecked());
}

TEST_F(SettingsDialogTest, OpensWindowModalWithoutWaiting) {
  open();
  parent.show();
  dialog->open();  // returns at once: no nested event loop
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
}

TEST_F(SettingsDialogTest, TheBoxShowsWhatTheModelDecides) {
  open();
  dialog->checkBox()->click();
  EXPECT_TRUE(dialog->checkBox()->isChecked());
  dialog->checkBox()->click();
  EXPECT_FALSE(dialog->checkBox()->isChecked());
  EXPECT_EQ(calls, (std::vector<std::string>{"check", "check"}));
}

TEST_F(SettingsDialogTest, TypingAndButtonsReachTheModel) {
  open();
  dialog->show();
  QTest::keyClicks(dialog->timeBox(1), "30");
  dialog->command1()->click();
  dialog->done()->click();
  EXPECT_EQ(calls, (std::vector<std::string>{"type 1 3", "type 1 30", "時間", "設定完了"}));
}

TEST_F(SettingsDialogTest, TextsTypedEarlierComeBackFromTheModel) {
  model.Text1[0].setText("8");
  open();
  EXPECT_EQ(dialog->timeBox(0)->text(), "8");
}

TEST_F(SettingsDialogTest, EscapeAndTheCloseBoxAreTheModelsCloseBox) {
  open();
  dialog->show();
  QCloseEvent event;
  QApplication::sendEvent(dialog.get(), &event);
  EXPECT_FALSE(event.isAccepted());
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_EQ(calls, (std::vector<std::string>{"close", "close"}));
  EXPECT_TRUE(dialog->isVisible()) << "the window goes when the model says so";
}

}  // namespace
