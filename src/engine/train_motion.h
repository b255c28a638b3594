#pragma once
// Where a train picture is and how fast it moves: pixels on the track picture, pixels per
// pass of the main loop, seconds for the durations taken at load. UI thread only.

struct TrainMotion {
  double position = 0;        // x of the picture's left edge
  double speed = 0;           // signed change of position per pass
  double sinceEntry = 0;      // max(0, now - T1) at load
  double approachLength = 0;  // max(0, T2 - T1)
  double sinceDeparture = 0;  // max(0, now - T3) at load
};

// The element of Picture1 that shows train k: trains 0-3 use 3-6, trains 4-31 use 11-38.
constexpr int trainPictureElement(int k) {
  return k < 4 ? k + 3 : k + 7;
}
