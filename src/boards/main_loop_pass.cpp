// One pass of the main loop, after its pacing: the trains move, the boards roll over as
// trains leave, the day period picks its picture and ambient sound, the view is drawn.
#include "engine/seconds_of_day.h"
#include "station/tovarek2.h"

void Tovarek2::MainLoopPass() {
  ++passes;
  const double now = currentSecond();
  MoveTrainsFirstHalf();
  MoveTrainsSecondHalf();

  // Each row rolls for five seconds, the rows of a board one second apart.
  for (int k = 0; k < kTrainCount; ++k) {
    departureAge[k] = now - secondsOfDay(record.trains[k].departureTime);
    const int b = boardOf(k);
    const double a = departureAge[k];
    if (5 <= a && a < 11) {
      sound.play(boardSound, kPlayLooping);
      AnimateRow(b, 0);
    }
    if (6 <= a && a < 12) AnimateRow(b, 1);
    if (7 <= a && a < 13) AnimateRow(b, 2);
    if (8 <= a && a < 14) AnimateRow(b, 3);
  }
  // In the last second of its roll a row settles on the next train of the ring.
  for (int k = 0; k < kTrainCount; ++k) {
    const int b = boardOf(k);
    const double a = departureAge[k];
    if (10 <= a && a < 11) PlaceRow(b, 0, ringSuccessor(k, 1));
    if (11 <= a && a < 12) PlaceRow(b, 1, ringSuccessor(k, 2));
    if (12 <= a && a < 13) PlaceRow(b, 2, ringSuccessor(k, 3));
    if (13 <= a && a < 14) {
      sound.stop(boardSound);
      sound.rewind(boardSound);
      PlaceRow(b, 3, ringSuccessor(k, 4));
    }
  }

  // The day period; the third also covers the small hours, but not the day's last second.
  const double s0 = secondsOfDay(record.periods[0].periodStart);
  const double s1 = secondsOfDay(record.periods[1].periodStart);
  const double s2 = secondsOfDay(record.periods[2].periodStart);
  auto period = [&](int p, int previous) {
    Picture1[2].setPicture(periodPicturePaths[p], periodBitmaps[p]);
    sound.play(periodVoices[p], kPlayLooping);
    sound.stop(periodVoices[previous]);
    sound.rewind(periodVoices[previous]);
  };
  if (s0 <= now && now < s1) period(0, 2);
  if (s1 <= now && now < s2) period(1, 0);
  if (s2 <= now && now < 86399) period(2, 1);
  if (0 <= now && now < s0) period(2, 1);

  Clear(trackPicture, rgbFromBgr(kBackColour));
  ComposeTrackPicture();
}
