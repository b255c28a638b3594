#include "engine/seconds_of_day.h"
#include "station/tovarek2.h"

namespace {

// A train's bell may ring from a minute before its departure up to the departure second,
// both ends included.
bool inBellWindow(double now, const TrainEntry& train) {
  const double t3 = secondsOfDay(train.departureTime);
  return now <= t3 && now >= t3 - 60;
}

}  // namespace

// Every train of the board is looked at: trains sharing a bell window ring together.
void Tovarek2::ringBells(int b) {
  if (settingsWindow.isOpen() || !stationRunning()) return;
  const double now = currentSecond();
  for (int k = b * kTrainsPerBoard; k < (b + 1) * kTrainsPerBoard; ++k) {
    const VoiceId bell = trainVoices[k].bellSound;
    if (bell == kNoVoice || !inBellWindow(now, record.trains[k])) continue;
    sound.play(bell, kPlayOnce);
  }
}

// Silencing a bell puts it back to its start, so the next ring begins afresh, and sounds
// the stop signal; this happens even when the bell had already fallen silent.
void Tovarek2::stopBells(int b) {
  if (settingsWindow.isOpen() || !stationRunning()) return;
  const double now = currentSecond();
  for (int k = b * kTrainsPerBoard; k < (b + 1) * kTrainsPerBoard; ++k) {
    const TrainVoices& v = trainVoices[k];
    if (!inBellWindow(now, record.trains[k])) continue;
    if (v.bellSound != kNoVoice) {
      sound.stop(v.bellSound);
      sound.rewind(v.bellSound);
    }
    if (v.bellStopSound != kNoVoice) sound.play(v.bellStopSound, kPlayOnce);
  }
}

void Tovarek2::Command1_Click() {
  ringBells(0);
}
void Tovarek2::Command2_Click() {
  stopBells(0);
}
void Tovarek2::Command3_Click() {
  ringBells(1);
}
void Tovarek2::Command4_Click() {
  stopBells(1);
}
void Tovarek2::Command5_Click() {
  ringBells(2);
}
void Tovarek2::Command6_Click() {
  stopBells(2);
}
void Tovarek2::Command7_Click() {
  ringBells(3);
}
void Tovarek2::Command8_Click() {
  stopBells(3);
}
