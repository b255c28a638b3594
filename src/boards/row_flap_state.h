#pragma once
// How far one board row has rolled: the split-flap imitation keeps its cursors, roll
// counters and strip phases from one departure to the next. Plain doubles, advanced by
// AnimateRow on the UI thread.
#include <array>

struct RowFlapState {
  double typeCursor = 0;         // which of the sixteen type sources the row copies
  double destinationCursor = 0;  // which of the sixteen destination sources
  std::array<double, 10>
      blinkPhase{};  // Picture8 upper, lower, Picture9 upper, ... Picture12 lower
  double hourRoll = 0;
  double minuteRoll = 0;
  double firstCellRoll = 0;
};
