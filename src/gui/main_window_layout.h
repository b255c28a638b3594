#pragma once
// Which element of the main window sits in which container, and in which stacking order:
// the lower panel Picture3 holds the board titles, board panels and bell panels; each
// board panel its rows' cells with the cover strips above them; each bell panel its two
// buttons; the clock panel Picture38 its digits with the colons above. Spare cells, Text4
// cells and Picture38 lie in the window above the view and above Picture3. The Picture1
// layers are never shown: the view reaches the window through its drawing surface.
// UI thread only.
#include <string>
#include <vector>

#include "station/tovarek2.h"

struct ElementSlot {
  enum class Kind { Text, Picture, Button };
  Kind kind;
  ElementBase* element;
  std::string name;          // "Text1(5)", "Picture38", "Command(2)"
  int parent;                // index of the containing slot; -1 = the window's inside
  int command = -1;          // for buttons: index into Tovarek2::Command
  bool transparent = false;  // a label drawn over its panel without a background
};

// Every shown element, each after its container and above the slots before it that
// share its container.
std::vector<ElementSlot> mainWindowSlots(Tovarek2& main);
