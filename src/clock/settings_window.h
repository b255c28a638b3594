#pragma once
// The settings window 設定 as data: the digital-clock check box, three time boxes and its
// two buttons, with the handlers both front ends call. Opening it is state, never a
// blocking call: while it is open the runners start no pass. UI thread only.
#include <array>

#include "platform/elements.h"
#include "platform/window_system.h"

class Tovarek2;

class SettingsWindow {
 public:
  SettingsWindow();

  WindowState state = WindowState::Unloaded;
  TwipRect client{0, 0, 4680, 3195};
  CheckBoxElement デジタル時計;
  std::array<TextElement, 3> Text1;
  ButtonElement Command1;  // "時間"
  ButtonElement 設定完了;

  bool isOpen() const { return state == WindowState::Shown; }

  // Shows the window modally: created afresh when unloaded, as left when hidden.
  void open(Tovarek2& main);
  // The check box was clicked: it toggles, then ties the digital clock panel to it.
  void デジタル時計_Click(Tovarek2& main);
  // "設定完了": hidden, kept loaded with what the user set.
  void 設定完了_Click(Tovarek2& main);
  // "時間": whole numbers 0-23, 0-59, 0-59 in the three boxes set the station clock.
  void Command1_Click(Tovarek2& main);
  // The close box: the window is discarded; the next opening starts afresh.
  void closeBox(Tovarek2& main);
  void type(int box, const std::string& text);

 private:
  void reset();
};
