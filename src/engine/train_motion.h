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

// A train runs in at full speed until seven seconds before its arrival and brakes in the
// last six; its doors open two seconds after it stops and close two seconds before it
// leaves; ninety seconds after leaving it is back at home for the next day.
inline constexpr double kRunInEndSeconds = 7;
inline constexpr double kBrakingLeadSeconds = 6;
inline constexpr double kDoorDelaySeconds = 2;
inline constexpr double kHomeDelaySeconds = 90;

// Speed changes, pixels per pass.
inline constexpr double kRunInGain = 1;
inline constexpr double kBrakingRate = 0.02;
inline constexpr double kCreepSpeed = 0.1;  // rightward; leftward trains creep at -0.1
inline constexpr double kPullOutRate = 0.01;

// Passes per second the placement at load reckons with, one for each phase of the run.
inline constexpr double kRunningPassesPerSecond = 39;
inline constexpr double kStandingPassesPerSecond = 28;
inline constexpr double kDepartedPassesPerSecond = 27;
