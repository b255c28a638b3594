#include "station/tovarek2.h"

#include "engine/seconds_of_day.h"

Tovarek2::Tovarek2(Clock& c, SoundOutput& s, WindowSystem& w, ProgramFolder folder)
    : clock(c), sound(s), windows(w), programFolder(std::move(folder)) {
  trackPicture = Surface(kTrackWidth, kInsideHeight, rgbFromBgr(kBackColour));
  windowSurface = Surface(kInsideWidth, kInsideHeight, rgbFromBgr(kBackColour));
  CreateElements();
}

LocalTime Tovarek2::stationTime() const {
  const LocalTime t = clock.localTime();
  const std::int64_t ms =
      (static_cast<std::int64_t>(t.secondOfDay()) + clockOffsetSeconds) * 1000 + t.millisecond;
  return localTimeFromMs(ms);
}

double Tovarek2::currentSecond() const {
  return stationTime().secondOfDay();
}

void Tovarek2::endProgram(int status) {
  if (ended) return;
  ended = true;
  exitStatus = status;
  windows.endProgram(status);
}

void Tovarek2::setWindowState(WindowId window, WindowState state) {
  WindowState* current = nullptr;
  switch (window) {
    case WindowId::Miselu起動: current = &startupWindow.state; break;
    case WindowId::Tovarek2: current = &mainWindowState; break;
    case WindowId::設定: current = &settingsWindow.state; break;
  }
  if (*current == state) return;
  *current = state;
  if (window == WindowId::Miselu起動) ++startupWindow.revision;
  windows.windowChanged(window, state);
}
