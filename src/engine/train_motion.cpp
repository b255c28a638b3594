// One pass of train motion: each train takes one step along its timeline, decided afresh
// from the current second and its three times; only position, speed and picture carry on.
#include "engine/train_motion.h"

#include "engine/seconds_of_day.h"
#include "station/tovarek2.h"

void Tovarek2::setClosedPicture(int k) {
  Picture1[trainPictureElement(k)].setPicture(record.trains[k].closedPicture,
                                              trainBitmaps[k].closed);
}

void Tovarek2::setOpenPicture(int k) {
  // A train with no open-door bitmap keeps its closed picture when its doors open.
  Picture1[trainPictureElement(k)].setPicture(record.trains[k].openPicture, trainBitmaps[k].open);
}

void Tovarek2::setDoorPicture(int k) {
  const double doorsOpen = record.trains[k].doorsOpen;
  if (doorsOpen == 0) {
    setClosedPicture(k);
  } else if (doorsOpen == 1) {
    setOpenPicture(k);
  }
}

void Tovarek2::moveTrain(int k, double s) {
  const TrainEntry& t = record.trains[k];
  const TrainTimes times = trainTimes(t);
  TrainMotion& m = motion[k];

  if (times.entry <= s && s <= times.arrival - kRunInEndSeconds) {
    m.speed = m.speed + kRunInGain;
    setClosedPicture(k);
    if (m.speed >= t.topSpeed) m.speed = t.topSpeed;
  }
  if (times.arrival - kBrakingLeadSeconds <= s && s <= times.arrival) {
    if (t.topSpeed > 0) {
      m.speed = m.speed - kBrakingRate;
      if (m.speed <= kCreepSpeed) m.speed = kCreepSpeed;
    } else {
      // Leftward trains are held back by their sign only: once past zero they creep again.
      m.speed = m.speed + kBrakingRate;
      if (m.speed > 0) m.speed = -kCreepSpeed;
    }
  }
  if (s == times.arrival) m.speed = 0;
  if (s == times.arrival + kDoorDelaySeconds) setDoorPicture(k);
  if (s == times.departure - kDoorDelaySeconds) setClosedPicture(k);
  if (s >= times.departure) {
    if (t.topSpeed > 0) {
      m.speed = m.speed + kPullOutRate;
      if (m.speed >= t.topSpeed) m.speed = t.topSpeed;
    } else {
      m.speed = m.speed - kPullOutRate;
      if (m.speed <= t.topSpeed) m.speed = t.topSpeed;
    }
  }
  m.position = m.position + m.speed;
  if (s > times.departure + kHomeDelaySeconds) {
    m.position = -t.startOffset;
    m.speed = 0;
  }
}

void Tovarek2::MoveTrainsFirstHalf() {
  const double s = currentSecond();
  for (int k = 0; k < kTrainCount / 2; ++k) moveTrain(k, s);
}

void Tovarek2::MoveTrainsSecondHalf() {
  const double s = currentSecond();
  for (int k = kTrainCount / 2; k < kTrainCount; ++k) moveTrain(k, s);
}
