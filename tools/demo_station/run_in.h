#pragma once
// How far a train runs from T1 to its stand at T2 at 40 passes a second, and the startOffset
// and topSpeed that stop it at a chosen x. Pixels, pixels per pass, seconds; any thread.
#include <stdexcept>

inline constexpr int kPassesPerSecond = 40;
// Nothing can be drawn beyond the track picture's 1600 pixels.
inline constexpr double kTrackPictureWidth = 1600;

// Signed distance covered from rest at home, from the first pass of second t1 to the end
// of second t2, at `passesPerSecond` passes in every second.
double runInDistance(int t1, int t2, double topSpeed, int passesPerSecond = kPassesPerSecond);

// Position after `seconds` whole seconds of pulling out from rest (departure at second 0).
double pullOutDistance(int seconds, double topSpeed, int passesPerSecond = kPassesPerSecond);

struct RunIn {
  double startOffset = 0;
  double topSpeed = 0;
};

// The motion values that stop a train of width `spriteWidth` with its left edge at `stopX`
// at T2, having started out of sight (left of x 0 when rightward, right of the track
// picture when leftward). The full speed is the least of 3.0, 3.1, ... 4.8 pixels per pass
// that covers the distance, so the train brakes all the way down to the creep. Throws
// std::invalid_argument when T2 - T1 is too short for any of them.
RunIn deriveRunIn(int t1, int t2, double stopX, double spriteWidth, bool rightward);
