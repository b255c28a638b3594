#include "clock/settings_window.h"

#include <string>

#include "station/tovarek2.h"

SettingsWindow::SettingsWindow() {
  reset();
}

// The window as it is made: box unticked, boxes empty, everything at its design place.
void SettingsWindow::reset() {
  デジタル時計.rect = {120, 120, 1575, 255};
  デジタル時計.caption = "デジタル時計";
  デジタル時計.setValue(0);
  const int lefts[3] = {240, 960, 1680};
  for (int i = 0; i < 3; ++i) {
    Text1[i].rect = {lefts[i], 720, 495, 495};
    Text1[i].border = true;
    Text1[i].setText("");
  }
  Command1.rect = {3000, 840, 975, 375};
  Command1.caption = "時間";
  設定完了.rect = {3360, 2640, 975, 375};
  設定完了.caption = "設定完了";
}

void SettingsWindow::open(Tovarek2& main) {
  if (state == WindowState::Unloaded) reset();
  main.setWindowState(WindowId::設定, WindowState::Shown);
}

// The box and the panel are tied only here: opening the window never touches the panel.
void SettingsWindow::デジタル時計_Click(Tovarek2& main) {
  if (!isOpen()) return;
  デジタル時計.setValue(デジタル時計.value == 1 ? 0 : 1);
  main.Picture38.setVisible(デジタル時計.value == 1);
}

void SettingsWindow::設定完了_Click(Tovarek2& main) {
  if (!isOpen()) return;
  main.setWindowState(WindowId::設定, WindowState::Hidden);
}

void SettingsWindow::closeBox(Tovarek2& main) {
  if (state == WindowState::Unloaded) return;
  main.setWindowState(WindowId::設定, WindowState::Unloaded);
  reset();
}

void SettingsWindow::type(int box, const std::string& text) {
  if (box < 0 || box >= static_cast<int>(Text1.size()) || !isOpen()) return;
  Text1[box].setText(text);
}
