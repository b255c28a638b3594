#pragma once
// The one in-memory copy of a station: the 958 values of its station file and the paths
// derived from them at load. Times are (hours, minutes, seconds) as the file writes them;
// coordinates and sizes are pixels of the track picture; speeds are pixels per pass.
// Plain data, read and written on the UI thread only.
#include <array>
#include <string>

struct TimeTriple {
  double hours = 0;
  double minutes = 0;
  double seconds = 0;
};

struct TrainEntry {
  std::string spare1;
  std::string spare2;
  TimeTriple entryTime;      // T1: starts to run in
  TimeTriple arrivalTime;    // T2: comes to a stand
  TimeTriple departureTime;  // T3: pulls out; the boards show it
  std::string rowText;
  std::string rowPictureName;
  std::string destination;
  std::string arrivalSound;  // names, as read; the voices live in Tovarek2
  std::string preDepartureSound;
  std::string approachSound;
  int approachOffset = 0;  // seconds from T1, signed 16-bit
  std::string bellSound;
  std::string bellStopSound;
  std::string pictureName;
  int hasOpenPicture = 0;  // signed 16-bit; 1 = an open-door bitmap exists
  double startOffset = 0;  // home position is -startOffset
  double spriteTop = 0;
  double spriteWidth = 0;
  double spriteHeight = 0;
  double topSpeed = 0;  // signed; the sign is the direction
  double doorsOpen = 0;

  // Derived at load: relative paths ("駅素材/name.bmp") of the door pictures.
  std::string closedPicture;
  std::string openPicture;
};

struct PeriodEntry {
  TimeTriple periodStart;
  std::string periodPicture;
  std::string periodSound;
};

struct OverlayEntry {
  std::string overlaySpare;
  std::string overlayPicture;
  double overlayLeft = 0;
  double overlayTop = 0;
  double overlayWidth = 0;
  double overlayHeight = 0;
};

inline constexpr int kTrainCount = 32;
inline constexpr int kBoardCount = 4;
inline constexpr int kTrainsPerBoard = 8;
inline constexpr int kStationFileValues = 958;

struct StationRecord {
  std::string windowTitle;
  std::string spareHeader;
  std::array<std::string, kBoardCount> boardTitle;
  std::array<TrainEntry, kTrainCount> trains;
  std::string spareText1;
  std::array<PeriodEntry, 3> periods;
  std::string spareText2;
  std::string frontPicture;
  double frontLeft = 0;
  double frontTop = 0;
  std::array<OverlayEntry, 6> overlays;
};

// Train k belongs to board k div 8; the eight trains of a board form a ring in file order.
constexpr int boardOf(int k) {
  return k / kTrainsPerBoard;
}
// Ring successor n of train k: n places on along its board's ring (train 31 -> 24 for n 1).
constexpr int ringSuccessor(int k, int n) {
  return boardOf(k) * kTrainsPerBoard + (k % kTrainsPerBoard + n) % kTrainsPerBoard;
}
