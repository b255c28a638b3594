#include "station/station_load.h"

#include "platform/bitmap_cache.h"
#include "platform/load_error.h"
#include "platform/program_folder.h"
#include "platform/sound_cache.h"
#include "station/station_file.h"

namespace {

using station_values::trainValue;

// Field numbers of a train's values in the station file.
constexpr int kRowPictureName = 13;
constexpr int kArrivalSound = 15;
constexpr int kPreDepartureSound = 16;
constexpr int kApproachSound = 17;
constexpr int kBellSound = 19;
constexpr int kBellStopSound = 20;
constexpr int kPictureName = 21;

class Stager {
 public:
  Stager(const ProgramFolder& folder, StagedStation& staged) : folder_(folder), s_(staged) {}

  void sound(const char* field, int train, int period, std::string_view folderName,
             const std::string& name, const std::string& what) {
    const std::string rel = folder_.relativePath(folderName, name, ".wav", what);
    try {
      s_.voices.push_back({field, train, period, sounds_.get(folder_.resolve(rel))});
    } catch (const LoadError& e) {
      throw LoadError(std::string(e.what()) + " (" + what + ")");
    }
  }

  std::string picture(std::string_view folderName, const std::string& name, std::string_view suffix,
                      const std::string& what) {
    const std::string rel =
        folder_.relativePath(folderName, name + std::string(suffix), ".bmp", what);
    auto& bitmap = s_.bitmaps[rel];
    if (!bitmap) {
      try {
        bitmap = bitmaps_.get(folder_.resolve(rel));
      } catch (const LoadError& e) {
        s_.bitmaps.erase(rel);
        throw LoadError(std::string(e.what()) + " (" + what + ")");
      }
    }
    return rel;
  }

 private:
  // Decoded once per file on disk, however many values name it or however they spell it.
  const ProgramFolder& folder_;
  StagedStation& s_;
  BitmapCache bitmaps_;
  SoundCache sounds_;
};

}  // namespace

StagedStation StageStation(const ProgramFolder& folder, const std::string& name) {
  StagedStation staged;
  ReadStationFile(folder, name, staged.record);
  StationRecord& r = staged.record;
  Stager stage(folder, staged);
  const auto sounds = ProgramFolder::kSoundFolder;
  const auto pictures = ProgramFolder::kPictureFolder;

  // The sounds in the order their voices are made: arrival and pre-departure, then
  // approach, first for the trains of boards 0 and 1, then for boards 2 and 3.
  for (int half = 0; half < 2; ++half) {
    for (int k = 16 * half; k < 16 * half + 16; ++k) {
      stage.sound("arrivalSound", k, -1, sounds, r.trains[k].arrivalSound,
                  describeValue(trainValue(k, kArrivalSound)));
      stage.sound("preDepartureSound", k, -1, sounds, r.trains[k].preDepartureSound,
                  describeValue(trainValue(k, kPreDepartureSound)));
    }
    for (int k = 16 * half; k < 16 * half + 16; ++k)
      stage.sound("approachSound", k, -1, sounds, r.trains[k].approachSound,
                  describeValue(trainValue(k, kApproachSound)));
  }
  for (int p = 0; p < 3; ++p)
    stage.sound("periodSound", -1, p, sounds, r.periods[p].periodSound,
                describeValue(station_values::periodValue(p, 5)));
  stage.sound("boardSound", -1, -1, "", std::string(ProgramFolder::kBoardSoundName),
              "the board sound");
  for (int k = 0; k < kTrainCount; ++k) {
    stage.sound("bellSound", k, -1, sounds, r.trains[k].bellSound,
                describeValue(trainValue(k, kBellSound)));
    stage.sound("bellStopSound", k, -1, sounds, r.trains[k].bellStopSound,
                describeValue(trainValue(k, kBellStopSound)));
  }

  // Every bitmap the station can show, so that no pass ever has to read a file.
  staged.frontPath =
      stage.picture("", r.frontPicture, "", describeValue(station_values::kFrontPicture));
  for (int p = 0; p < 3; ++p)
    staged.periodPaths[p] = stage.picture(pictures, r.periods[p].periodPicture, "",
                                          describeValue(station_values::periodValue(p, 4)));
  for (int k = 0; k < kTrainCount; ++k) {
    TrainEntry& t = r.trains[k];
    const std::string what = describeValue(trainValue(k, kPictureName));
    t.closedPicture = stage.picture(pictures, t.pictureName, "", what);
    // Only a train that says it has one gets an open-door picture; any other value must
    // not keep a previous station's picture.
    t.openPicture.clear();
    if (t.hasOpenPicture == 1)
      t.openPicture =
          stage.picture(pictures, t.pictureName, ProgramFolder::kOpenDoorSuffix,
                        what + ", with \"" + std::string(ProgramFolder::kOpenDoorSuffix) + "\"");
  }
  for (int o = 0; o < 6; ++o)
    staged.overlayPaths[o] = stage.picture(pictures, r.overlays[o].overlayPicture, "",
                                           describeValue(station_values::overlayValue(o, 2)));
  for (int k = 0; k < kTrainCount; ++k)
    staged.rowPaths[k] = stage.picture(pictures, r.trains[k].rowPictureName, "",
                                       describeValue(trainValue(k, kRowPictureName)));
  return staged;
}
