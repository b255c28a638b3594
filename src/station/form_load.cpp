// Loading a station into the main window and starting it: everything is decoded first,
// then the running station is replaced between two passes.
#include <cmath>
#include <cstdio>

#include "engine/seconds_of_day.h"
#include "platform/load_error.h"
#include "station/station_load.h"
#include "station/tovarek2.h"

namespace {

void setSizedPicture(PictureElement& e, int width, int height, const std::string& path,
                     const std::map<std::string, std::shared_ptr<const Surface>>& bitmaps) {
  e.setSize(width, height);
  e.setPicture(path, bitmaps.at(path));
}

}  // namespace

bool Tovarek2::Form_Load() {
  const bool firstLoad = !stationRunning();
  if (const auto error = loadStation(startupWindow.chosen)) {
    windows.showError(*error);
    // A station that never ran leaves nothing to go back to.
    if (firstLoad) endProgram(1);
    return false;
  }
  return true;
}

std::optional<std::string> Tovarek2::loadStation(const std::string& name) {
  // One reading of the clock for the whole load.
  const LocalTime now = stationTime();
  StagedStation staged;
  try {
    if (name.empty())
      throw LoadError("No station file is chosen: choose one in the station list first.");
    staged = StageStation(programFolder, name);
  } catch (const LoadError& e) {
    return std::string(e.what());
  }

  // The old station falls silent, voice by voice in the order it made them.
  for (const VoiceRole& role : voiceRoles) {
    if (sound.isPlaying(role.voice)) sound.stop(role.voice);
  }
  for (const VoiceRole& role : voiceRoles) sound.removeVoice(role.voice);
  voiceRoles.clear();

  loadSecond = secondsOfDay(now.hour, now.minute, now.second);
  loadMinute = secondsOfDay(now.hour, now.minute, 0);
  record = std::move(staged.record);
  bitmaps = std::move(staged.bitmaps);

  for (const StagedVoice& v : staged.voices) {
    const VoiceId id = sound.createVoice(v.sound);
    voiceRoles.push_back({id, v.field, v.train, v.period});
    const std::string_view field = v.field;
    if (v.period >= 0) {
      periodVoices[v.period] = id;
    } else if (v.train < 0) {
      boardSound = id;
    } else {
      TrainVoices& t = trainVoices[v.train];
      if (field == "arrivalSound") t.arrivalSound = id;
      if (field == "preDepartureSound") t.preDepartureSound = id;
      if (field == "approachSound") t.approachSound = id;
      if (field == "bellSound") t.bellSound = id;
      if (field == "bellStopSound") t.bellStopSound = id;
    }
  }

  // The pictures: the front, the period background (period 0 whatever the time), the
  // trains with their doors closed, the overlays and the board rows' type cells.
  setSizedPicture(Picture1[1], kInsideWidth, kInsideHeight, staged.frontPath, bitmaps);
  setSizedPicture(Picture1[2], kInsideWidth, kInsideHeight, staged.periodPaths[0], bitmaps);
  for (int p = 0; p < 3; ++p) {
    periodPicturePaths[p] = staged.periodPaths[p];
    periodBitmaps[p] = bitmaps.at(staged.periodPaths[p]);
  }
  for (int k = 0; k < kTrainCount; ++k) {
    const TrainEntry& t = record.trains[k];
    trainBitmaps[k].closed = bitmaps.at(t.closedPicture);
    trainBitmaps[k].open = t.openPicture.empty() ? nullptr : bitmaps.at(t.openPicture);
    trainBitmaps[k].row = bitmaps.at(staged.rowPaths[k]);
    Picture1[trainPictureElement(k)].setPicture(t.closedPicture, trainBitmaps[k].closed);
  }
  const int insideSized[4][2] = {{7, 4}, {8, 0}, {39, 1}, {40, 2}};
  for (const auto& [element, overlay] : insideSized)
    setSizedPicture(Picture1[element], kInsideWidth, kInsideHeight, staged.overlayPaths[overlay],
                    bitmaps);
  const int trackSized[2][2] = {{9, 3}, {10, 5}};
  for (const auto& [element, overlay] : trackSized)
    setSizedPicture(Picture1[element], kTrackWidth, kInsideHeight, staged.overlayPaths[overlay],
                    bitmaps);
  SetBoardPictures();

  WriteBoardTexts();
  PlaceTrains();
  SetBoardsForTime(loadMinute);
  if (title != record.windowTitle) {
    title = record.windowTitle;
    ++titleRevision;
  }
  loadedStation = name;
  ++loads;
  setWindowState(WindowId::Tovarek2, WindowState::Shown);
  return std::nullopt;
}
