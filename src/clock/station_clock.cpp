#include <string>

#include "engine/seconds_of_day.h"
#include "station/tovarek2.h"

namespace {

// A voice the station never loaded (nothing is loaded yet) is simply not started.
void playOnce(SoundOutput& sound, VoiceId voice) {
  if (voice != kNoVoice) sound.play(voice, kPlayOnce);
}

}  // namespace

// The station clock ticks every 300 ms: it shows the time of day and starts each
// announcement in its exact second. It remembers nothing between ticks, so an
// announcement is started on every tick of its second and, still playing, is heard once.
void Tovarek2::TMC_Timer() {
  const LocalTime t = stationTime();
  AcumeJiLabel.setText(std::to_string(t.hour));
  AcumeFunLabel.setText(std::to_string(t.minute));
  AcumeByoLabel.setText(std::to_string(t.second));

  if (!stationRunning()) return;
  // Whole seconds compared exactly: a time at or past 24:00 or with a fraction of a
  // second never comes round.
  const double now = t.secondOfDay();
  for (int k = 0; k < kTrainCount; ++k) {
    const TrainEntry& train = record.trains[k];
    if (now - secondsOfDay(train.arrivalTime) == 0) {
      playOnce(sound, trainVoices[k].arrivalSound);
    }
    if (now - secondsOfDay(train.departureTime) == -6) {
      playOnce(sound, trainVoices[k].preDepartureSound);
    }
  }
  for (int k = 0; k < kTrainCount; ++k) {
    const TrainEntry& train = record.trains[k];
    if (now - secondsOfDay(train.entryTime) == train.approachOffset) {
      playOnce(sound, trainVoices[k].approachSound);
    }
  }
}
