#include "run_in.h"

#include <algorithm>
#include <cmath>
#include <string>

double runInDistance(int t1, int t2, double topSpeed, int passesPerSecond) {
  double position = 0;
  double speed = 0;
  // Braking does not look at T1: a train whose run-in is too short leaves home at T2 - 6.
  for (int s = std::min(t1, t2 - 6); s <= t2; ++s) {
    for (int pass = 0; pass < passesPerSecond; ++pass) {
      if (s <= t2 - 7) {
        speed += 1;
        if (speed >= topSpeed) speed = topSpeed;
      }
      if (s >= t2 - 6) {
        if (topSpeed > 0) {
          speed -= 0.02;
          if (speed <= 0.1) speed = 0.1;
        } else {
          speed += 0.02;
          if (speed > 0) speed = -0.1;
        }
      }
      if (s == t2) speed = 0;
      position += speed;
    }
  }
  return position;
}

double pullOutDistance(int seconds, double topSpeed, int passesPerSecond) {
  double position = 0;
  double speed = 0;
  for (int pass = 0; pass < seconds * passesPerSecond; ++pass) {
    if (topSpeed > 0) {
      speed += 0.01;
      if (speed >= topSpeed) speed = topSpeed;
    } else {
      speed -= 0.01;
      if (speed <= topSpeed) speed = topSpeed;
    }
    position += speed;
  }
  return position;
}

RunIn deriveRunIn(int t1, int t2, double stopX, double spriteWidth, bool rightward) {
  // A little more than needed, so the front of the train is not already at the edge at T1.
  constexpr double kMarginPixels = 40;
  const double needed =
      rightward ? stopX + spriteWidth + kMarginPixels : kTrackPictureWidth - stopX + kMarginPixels;
  for (int tenth = 30; tenth <= 48; ++tenth) {
    const double top = (rightward ? 1 : -1) * tenth / 10.0;
    const double d = runInDistance(t1, t2, top);
    if (std::fabs(d) >= needed) return {d - stopX, top};
  }
  throw std::invalid_argument("a run-in of " + std::to_string(t2 - t1) +
                              " seconds is too short to come from out of sight");
}
