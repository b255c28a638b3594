#include "clock/settings_window.h"

#include <optional>
#include <string>

#include "station/tovarek2.h"

namespace {

// A box holding a whole number written in ASCII digits only, at most `highest`.
std::optional<int> wholeNumber(const std::string& text, int highest) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > highest) return std::nullopt;
  }
  return value;
}

}  // namespace

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

// Hour, minute and second boxes that do not all hold a time of day change nothing and
// say nothing.
void SettingsWindow::Command1_Click(Tovarek2& main) {
  if (!isOpen()) return;
  const auto hour = wholeNumber(Text1[0].text, 23);
  const auto minute = wholeNumber(Text1[1].text, 59);
  const auto second = wholeNumber(Text1[2].text, 59);
  if (!hour || !minute || !second) return;
  main.setStationTime(*hour, *minute, *second);
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
