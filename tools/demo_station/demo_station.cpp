#include "demo_station.h"

#include <array>

#include "run_in.h"

namespace demo {

namespace {

const std::array<Track, 4> kTracks = {{
    {104, 78, 34, false},
    {137, 94, 42, false},
    {172, 116, 52, true},
    {214, 132, 64, true},
}};

// Overlays 0, 1, 2 and 4 live in window-sized elements, so picture and mask side by side
// stay within 909 pixels; overlays 3 and 5 within 1600.
const std::array<Overlay, 6> kOverlays = {{
    {"架線柱奥", 0, 40, 450, 72},       // masts and a signal between tracks 1 and 2
    {"駅名標", 150, 100, 150, 40},      // the station sign on the island platform
    {"架線柱手前", 440, 44, 450, 134},  // masts between tracks 3 and 4
    {"島式ホーム", 54, 126, 800, 22},   // the island platform's near edge, tracks 2 and 3
    {"上屋", 0, 0, 450, 218},           // the near platform's roof, pillar and sign
    {"跨線橋", 470, 0, 440, 40},        // the footbridge over the tracks
}};

using L = Livery;
// T2, run-in, dwell, type, cars, destination, doors.
const std::vector<DemoTrain> kTrains = {
    {0, 6, 14, 30, 24, 50, L::Local, 4, "湊中央", true},
    {0, 7, 5, 20, 26, 40, L::Rapid, 5, "白浜", true},
    {0, 7, 38, 0, 22, 60, L::Local, 4, "北港", false},
    {0, 8, 0, 24, 22, 46, L::Local, 4, "湊中央", true},
    {0, 8, 3, 44, 24, 46, L::Rapid, 6, "白浜", true},
    {0, 12, 20, 10, 24, 50, L::Express, 5, "北港", true},
    {0, 17, 45, 0, 24, 45, L::LimitedExpress, 5, "湊中央", false},
    {0, 21, 30, 20, 24, 50, L::Local, 4, "湊中央", true},

    {1, 6, 40, 0, 24, 50, L::Rapid, 6, "北港", true},
    {1, 7, 20, 30, 24, 45, L::Local, 4, "湊中央", true},
    {1, 7, 52, 0, 24, 40, L::LimitedExpress, 5, "湊中央", false},
    {1, 8, 0, 52, 22, 48, L::Express, 5, "北港", true},
    {1, 8, 4, 22, 22, 48, L::Local, 4, "湊中央", false},
    {1, 13, 5, 0, 24, 50, L::Rapid, 6, "白浜", true},
    {1, 18, 10, 30, 24, 50, L::Express, 5, "北港", true},
    {1, 22, 15, 0, 24, 50, L::Local, 4, "白浜", true},

    {2, 6, 20, 0, 24, 50, L::Local, 4, "山ノ辺", true},
    {2, 7, 10, 0, 24, 45, L::Rapid, 5, "青葉野", true},
    {2, 7, 45, 30, 24, 50, L::Local, 4, "山ノ辺", false},
    {2, 8, 0, 34, 24, 46, L::LimitedExpress, 5, "奥森", false},
    {2, 8, 3, 2, 22, 48, L::Local, 4, "山ノ辺", true},
    {2, 11, 40, 0, 24, 50, L::Express, 5, "奥森", true},
    {2, 16, 50, 0, 24, 50, L::Rapid, 5, "青葉野", true},
    {2, 20, 45, 0, 24, 50, L::Local, 4, "山ノ辺", true},

    {3, 6, 5, 0, 24, 50, L::Local, 4, "青葉野", true},
    {3, 6, 55, 0, 24, 50, L::Express, 5, "奥森", true},
    {3, 7, 30, 0, 24, 45, L::Rapid, 5, "青葉野", false},
    {3, 8, 1, 8, 23, 52, L::Rapid, 5, "青葉野", true},
    {3, 8, 3, 32, 22, 48, L::Local, 4, "山ノ辺", true},
    {3, 8, 5, 22, 22, 48, L::Express, 5, "奥森", true},
    {3, 15, 30, 0, 24, 50, L::LimitedExpress, 5, "奥森", false},
    {3, 19, 20, 0, 24, 50, L::Local, 4, "山ノ辺", true},
};

TimeTriple triple(int seconds) {
  return {static_cast<double>(seconds / 3600), static_cast<double>(seconds / 60 % 60),
          static_cast<double>(seconds % 60)};
}

}  // namespace

const Track& track(int board) {
  return kTracks.at(board);
}

const char* typeName(Livery livery) {
  switch (livery) {
    case L::Local: return "普通";
    case L::Rapid: return "快速";
    case L::Express: return "急行";
    case L::LimitedExpress: return "特急";
  }
  return "";
}

std::string DemoTrain::pictureName() const {
  return "列車" + std::to_string(board + 1) + "番線" + typeName(livery) + std::to_string(cars) +
         "両";
}

const std::vector<DemoTrain>& trains() {
  return kTrains;
}

std::string approachSoundName(int board) {
  return "接近" + std::to_string(board + 1) + "番線";
}
std::string departureSoundName(int board) {
  return "発車" + std::to_string(board + 1) + "番線";
}
std::string bellSoundName(int board) {
  return board == 3 ? std::string("発車ベル") : "発車メロディ" + std::to_string(board + 1);
}
const char* periodSoundName(int period) {
  static const char* const names[3] = {"朝の駅", "昼の駅", "夜の駅"};
  return names[period];
}
const char* periodPictureName(int period) {
  static const char* const names[3] = {"背景朝", "背景昼", "背景夜"};
  return names[period];
}
std::string badgeName(Livery livery) {
  return std::string("種別") + typeName(livery);
}
const Overlay& overlay(int o) {
  return kOverlays.at(o);
}

StationRecord makeStation() {
  StationRecord r;
  r.windowTitle = "星見台駅 - Tovarek2";
  r.spareHeader = "星見台";
  r.boardTitle = {"1番線 上り 湊中央・白浜方面", "2番線 上り 湊中央・北港方面",
                  "3番線 下り 山ノ辺・奥森方面", "4番線 下り 青葉野・奥森方面"};
  for (int k = 0; k < kTrainCount; ++k) {
    const DemoTrain& d = kTrains.at(k);
    TrainEntry& t = r.trains[k];
    t.spare1 = typeName(d.livery);
    t.spare2 = d.destination;
    t.entryTime = triple(d.t1());
    t.arrivalTime = triple(d.t2());
    t.departureTime = triple(d.t3());
    t.rowText = std::to_string(d.cars);
    t.rowPictureName = badgeName(d.livery);
    t.destination = d.destination;
    t.arrivalSound = kArrivalSound;
    t.preDepartureSound = departureSoundName(d.board);
    t.approachSound = approachSoundName(d.board);
    t.approachOffset = d.runInSeconds - kApproachLeadSeconds;
    t.bellSound = bellSoundName(d.board);
    t.bellStopSound = kBellStopSound;
    t.pictureName = d.pictureName();
    t.hasOpenPicture = d.openDoors ? 1 : 0;
    const RunIn run =
        deriveRunIn(d.t1(), d.t2(), d.stopX(), d.spriteWidth(), track(d.board).rightward);
    t.startOffset = run.startOffset;
    t.spriteTop = track(d.board).railY - d.spriteHeight();
    t.spriteWidth = d.spriteWidth();
    t.spriteHeight = d.spriteHeight();
    t.topSpeed = run.topSpeed;
    t.doorsOpen = d.openDoors ? 1 : 0;
  }
  r.spareText1 = "時間帯";
  const int starts[3] = {4 * 3600 + 30 * 60, 10 * 3600, 18 * 3600 + 30 * 60};
  for (int p = 0; p < 3; ++p)
    r.periods[p] = {triple(starts[p]), periodPictureName(p), periodSoundName(p)};
  r.spareText2 = "手前";
  r.frontPicture = kFrontPicture;
  r.frontLeft = 0;
  r.frontTop = kFrontTop;
  for (int o = 0; o < 6; ++o) {
    const Overlay& v = kOverlays[o];
    r.overlays[o] = {"", v.name, double(v.left), double(v.top), double(v.width), double(v.height)};
  }
  return r;
}

}  // namespace demo
