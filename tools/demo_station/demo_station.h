#pragma once
// The demo station 星見台: four tracks, 32 trains, a busy stretch at 08:00, and the names and
// places of its pictures and sounds. Pixels of the track picture; pure data, any thread.
#include <string>
#include <vector>

#include "station/station_record.h"

namespace demo {

// The station view as the window shows it: 909 pixels wide, the lower panel of boards
// starting 218 pixels down.
inline constexpr int kViewWidth = 909;
inline constexpr int kViewHeight = 218;
inline constexpr int kWindowHeight = 573;

// Tracks 1番線 to 4番線, far to near; board b runs on track b.
struct Track {
  int railY;      // where the wheels stand
  int carLength;  // pixels per car at this depth
  int trainHeight;
  bool rightward;  // 下り run left to right, 上り right to left
};
const Track& track(int board);

enum class Livery { Local, Rapid, Express, LimitedExpress };
const char* typeName(Livery livery);  // 普通, 快速, 急行, 特急

struct DemoTrain {
  int board = 0;
  int arrivalH = 0, arrivalM = 0, arrivalS = 0;  // T2
  int runInSeconds = 0;                          // T2 - T1
  int dwellSeconds = 0;                          // T3 - T2
  Livery livery = Livery::Local;
  int cars = 4;
  const char* destination = "";
  bool openDoors = false;  // has an open-door picture and shows it while standing

  int t1() const { return t2() - runInSeconds; }
  int t2() const { return arrivalH * 3600 + arrivalM * 60 + arrivalS; }
  int t3() const { return t2() + dwellSeconds; }
  int spriteWidth() const { return cars * track(board).carLength; }
  int spriteHeight() const { return track(board).trainHeight; }
  int stopX() const { return (kViewWidth - spriteWidth()) / 2; }
  std::string pictureName() const;  // 列車3番線急行5両
};

// The 32 trains in file order (eight per board, in order of departure).
const std::vector<DemoTrain>& trains();

// The whole station file.
StationRecord makeStation();
inline constexpr const char* kStationFileName = "星見台.CSV";
// Shortly before the busy stretch: the first train runs in within seconds.
inline constexpr const char* kDemoStartTime = "07:59:56";

// Seconds from the start of the approach sound to the train's stop.
inline constexpr int kApproachLeadSeconds = 14;

// Sound names (駅サウンド/<name>.wav) the station uses.
std::string approachSoundName(int board);   // warning melody, rumble, brakes
std::string departureSoundName(int board);  // door chime, doors, pull-out
inline constexpr const char* kArrivalSound = "到着";
std::string bellSoundName(int board);  // melody on boards 0-2, electric bell on 3
inline constexpr const char* kBellStopSound = "ベル止め";
const char* periodSoundName(int period);    // 朝の駅, 昼の駅, 夜の駅
const char* periodPictureName(int period);  // 背景朝, 背景昼, 背景夜
inline constexpr const char* kFrontPicture = "手前ホーム";
std::string badgeName(Livery livery);  // 種別普通

// Overlays 0..5 in file order: the picture names and their places.
struct Overlay {
  const char* name;
  int left, top, width, height;
};
const Overlay& overlay(int o);
inline constexpr int kFrontTop = 202;

}  // namespace demo
