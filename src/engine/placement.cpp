// Placement at load: every train is put where the timetable says it is at this second,
// estimated from the seconds it has been on its way, without replaying the passes.
#include <algorithm>

#include "engine/seconds_of_day.h"
#include "station/tovarek2.h"

void Tovarek2::HomeTrains() {
  for (int k = 0; k < kTrainCount; ++k) {
    motion[k].position = -record.trains[k].startOffset;
    motion[k].speed = 0;
  }
}

void Tovarek2::MeasureSinceEntry() {
  const double s = currentSecond();
  for (int k = 0; k < kTrainCount; ++k) {
    motion[k].sinceEntry = std::max(0.0, s - trainTimes(record.trains[k]).entry);
  }
}

void Tovarek2::PlaceRunningTrains(double s) {
  for (int k = 0; k < kTrainCount; ++k) {
    const TrainEntry& t = record.trains[k];
    const TrainTimes times = trainTimes(t);
    if (times.entry < s && s < times.arrival) {
      motion[k].position =
          motion[k].sinceEntry * kRunningPassesPerSecond * t.topSpeed - t.startOffset;
    }
  }
}

void Tovarek2::PlaceStandingTrains() {
  const double s = currentSecond();
  for (int k = 0; k < kTrainCount; ++k) {
    const TrainEntry& t = record.trains[k];
    const TrainTimes times = trainTimes(t);
    motion[k].approachLength = std::max(0.0, times.arrival - times.entry);
    if (times.arrival < s && s < times.departure) {
      motion[k].position =
          motion[k].approachLength * kStandingPassesPerSecond * t.topSpeed - t.startOffset;
      // A train found at the platform shows its doors as they stand, whatever the second.
      setDoorPicture(k);
    }
  }
}

void Tovarek2::PlaceDepartedTrains() {
  const double s = currentSecond();
  for (int k = 0; k < kTrainCount; ++k) {
    const TrainEntry& t = record.trains[k];
    const TrainTimes times = trainTimes(t);
    motion[k].sinceDeparture = std::max(0.0, s - times.departure);
    if (s > times.departure) {
      motion[k].position = (motion[k].approachLength + motion[k].sinceDeparture) *
                               kDepartedPassesPerSecond * t.topSpeed -
                           t.startOffset;
    }
  }
}

void Tovarek2::PlaceTrains() {
  HomeTrains();
  MeasureSinceEntry();
  // The running-in trains are placed for the second the load began, not for now.
  PlaceRunningTrains(loadSecond);
  PlaceStandingTrains();
  PlaceDepartedTrains();
}
