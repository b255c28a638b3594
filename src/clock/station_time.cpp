// The settings window's "時間" button and the station clock it moves, with the set-up of
// the station for the new time.
#include <optional>
#include <string>

#include "clock/settings_window.h"
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

void stopAndRewind(SoundOutput& sound, VoiceId voice) {
  if (voice == kNoVoice) return;
  sound.stop(voice);
  sound.rewind(voice);
}

}  // namespace

// The station clock is moved to a time of day given to the second; from then on it runs
// that many whole seconds away from the computer's clock. The station is then set up for
// the new time as a load sets it up, from what is already loaded: no file is read.
void Tovarek2::setStationTime(int hour, int minute, int second) {
  const int wanted = hour * 3600 + minute * 60 + second;
  clockOffsetSeconds = wanted - clock.localTime().secondOfDay();
  if (!stationRunning()) return;

  const LocalTime t = stationTime();
  loadSecond = t.secondOfDay();
  loadMinute = t.hour * 3600 + t.minute * 60;

  // A board that was rolling and the ambient sound of the old hour fall silent; the next
  // pass starts the ambient sound of the new hour's period.
  stopAndRewind(sound, boardSound);
  for (VoiceId v : periodVoices) stopAndRewind(sound, v);

  for (auto* strips : {&Picture8, &Picture9, &Picture10, &Picture11, &Picture12}) {
    for (PictureElement& strip : *strips) strip.setVisible(false);
  }
  WriteBoardTexts();
  for (int k = 0; k < kTrainCount; ++k) setClosedPicture(k);
  PlaceTrains();
  SetBoardsForTime(loadMinute);
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
