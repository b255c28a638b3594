#pragma once
// The settings window 設定 on Qt, drawn from the core's SettingsWindow model. It is shown
// window-modal with QDialog::open(): no nested event loop, so the pass timer is held back
// by the core's state alone while the clock tick goes on. UI thread only.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <string>

#include "clock/settings_window.h"

struct SettingsActions {
  std::function<void()> checkBoxClicked;                   // デジタル時計_Click
  std::function<void(int box, const std::string&)> typed;  // a time box's new text
  std::function<void()> timeClicked;                       // "時間"
  std::function<void()> doneClicked;                       // "設定完了"
  std::function<void()> closeBox;
};

class SettingsDialog : public QDialog {
 public:
  SettingsDialog(const SettingsWindow& model, SettingsActions actions, QWidget* parent);

  // Takes the model's state: the box's tick, the texts, the captions, the geometry.
  void sync();

  QCheckBox* checkBox() const { return check_; }
  QLineEdit* timeBox(int i) const { return boxes_[i]; }
  QPushButton* command1() const { return command1_; }
  QPushButton* done() const { return done_; }

  void reject() override;  // Escape and the close box

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  const SettingsWindow& model_;
  SettingsActions actions_;
  QCheckBox* check_;
  std::array<QLineEdit*, 3> boxes_;
  QPushButton* command1_;
  QPushButton* done_;
};
