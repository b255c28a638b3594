// One step of a board row's split-flap roll: the strips flicker like falling flaps, the type
// and destination cells run through what the board pair shows, the numbers count up.
#include <cmath>

#include "boards/whole_number.h"
#include "station/tovarek2.h"

namespace {

constexpr double kCursorStep = 0.2;
constexpr double kBlinkStep = 0.7;
constexpr double kBlinkCycle = 3;
constexpr double kCursorEnd = 15;  // sixteen sources, 0 to 15
constexpr double kHourEnd = 24;
constexpr double kMinuteEnd = 60;
constexpr double kFirstCellEnd = 15;

// The source a cursor points at: its nearest whole number, within the sixteen sources.
int sourceIndex(double cursor) {
  const long n = std::lround(cursor);
  return n < 0 ? 0 : n > 15 ? 15 : static_cast<int>(n);
}

// The cursors start again once they reach the last source, the rolls only beyond their end.
void advanceCursor(double& cursor) {
  cursor += kCursorStep;
  if (cursor >= kCursorEnd) cursor = 0;
}
void advanceRoll(double& roll, double end) {
  roll += kCursorStep;
  if (roll > end) roll = 0;
}

}  // namespace

void Tovarek2::AnimateRow(int b, int r) {
  if (b < 0 || b >= kBoardCount || r < 0 || r >= 4) return;
  RowFlapState& s = flaps[4 * b + r];

  // Board 0's top row flickers in the opposite phase to every other row.
  const bool opposite = b == 0 && r == 0;
  for (int i = 0; i < 10; ++i) {
    double& phase = s.blinkPhase[i];
    phase += kBlinkStep;
    if (phase >= kBlinkCycle) phase = 0;
    if (phase < 1) continue;  // the strip stays as it is
    const bool upper = i % 2 == 0;
    // From phase 1 the upper strip is hidden and the lower one shown; from phase 2 the other
    // way round.
    const bool late = phase >= 2;
    coverStrip(b, r, i).setVisible((upper == late) != opposite);
  }

  const bool firstPair = b < 2;
  const PictureElement& typeSource = (firstPair ? Picture5 : Picture7)[sourceIndex(s.typeCursor)];
  typeCell(b, r).takeOver(typeSource);
  advanceCursor(s.typeCursor);

  const TextElement& destinationSource =
      (firstPair ? Text3 : Text5)[sourceIndex(s.destinationCursor)];
  destinationCell(b, r).setText(destinationSource.text);
  advanceCursor(s.destinationCursor);

  hourCell(b, r).setText(formatWhole(s.hourRoll, 2));
  advanceRoll(s.hourRoll, kHourEnd);
  minuteCell(b, r).setText(formatWhole(s.minuteRoll, 2));
  advanceRoll(s.minuteRoll, kMinuteEnd);
  firstCell(b, r).setText(formatWhole(s.firstCellRoll, 1));
  advanceRoll(s.firstCellRoll, kFirstCellEnd);
}
