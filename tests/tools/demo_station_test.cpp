#include "demo_station.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "run_in.h"
#include "sounds.h"
#include "station/station_file.h"
#include "station/station_file_writer.h"

namespace {

struct RunCase {
  const char* name;
  int runIn;
  double topSpeed;
  double distance;
};
// Worked by hand from the per-pass rules at 40 passes per second.
const RunCase kRuns[] = {
    // 7 s running: one pass at 1, 279 at 2; then 240 braking passes: 2 - 0.02 i for
    // i = 1..94, and the creep of 0.1 for the other 146.
    {"rightward at 2, thirteen seconds", 13, 2.0, 559 + (94 * 2 - 0.02 * 94 * 95 / 2) + 146 * 0.1},
    // Too short to run in: creeps at 0.1 for the six braking seconds.
    {"no running-in window", 5, 3.0, 240 * 0.1},
};

}  // namespace

TEST(DemoRunIn, DistanceFollowsThePassRules) {
  for (const auto& c : kRuns) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(runInDistance(1000, 1000 + c.runIn, c.topSpeed), c.distance, 1e-6);
  }
}

TEST(DemoRunIn, LeftwardRunsAtFullSpeedFromTheFirstPass) {
  // 8 s: two seconds running (80 passes at -3), then braking from -3 up to 0 and cycling.
  const double d = runInDistance(0, 8, -3.0);
  EXPECT_LT(d, -80 * 3.0);
  EXPECT_GT(d, -80 * 3.0 - 6 * 40 * 3.0);
}

TEST(DemoRunIn, DerivedValuesStopTheTrainWhereAsked) {
  for (bool rightward : {true, false}) {
    SCOPED_TRACE(rightward);
    const RunIn r = deriveRunIn(0, 24, 150, 500, rightward);
    EXPECT_NEAR(-r.startOffset + runInDistance(0, 24, r.topSpeed), 150, 1e-9);
    EXPECT_EQ(r.topSpeed > 0, rightward);
    if (rightward)
      EXPECT_LE(-r.startOffset, -500);
    else
      EXPECT_GE(-r.startOffset, kTrackPictureWidth);
  }
  EXPECT_THROW(deriveRunIn(0, 8, 600, 500, true), std::invalid_argument);
}

TEST(DemoStation, FileReadsBackWith958Values) {
  const std::string bytes = WriteStationBytes(demo::makeStation());
  int lines = 0;
  for (char c : bytes) lines += c == '\n';
  EXPECT_EQ(lines, kStationFileValues);
  StationRecord r;
  std::vector<StationFileNote> notes;
  ReadStationBytes(bytes, demo::kStationFileName, r, &notes);
  EXPECT_TRUE(notes.empty());
  EXPECT_EQ(r.boardTitle[3], "4番線 下り 青葉野・奥森方面");
  EXPECT_EQ(r.trains[31].destination, "山ノ辺");
  EXPECT_EQ(r.overlays[5].overlayPicture, "跨線橋");
}

// Every train, at the pass rates a real machine manages, comes from out of sight, stops
// wholly in view and is out of sight again well before it is sent home.
TEST(DemoStation, TrainsStopInViewAndLeaveIt) {
  const StationRecord r = demo::makeStation();
  for (int k = 0; k < kTrainCount; ++k) {
    SCOPED_TRACE(k);
    const auto& t = r.trains[k];
    const auto& d = demo::trains()[k];
    const double home = -t.startOffset;
    EXPECT_TRUE(home + t.spriteWidth <= 0 || home >= demo::kViewWidth);
    for (int rate : {40, 39, 38}) {
      SCOPED_TRACE(rate);
      const double stop = home + runInDistance(d.t1(), d.t2(), t.topSpeed, rate);
      EXPECT_GE(stop, 0);
      EXPECT_LE(stop + t.spriteWidth, demo::kViewWidth);
      const double gone = stop + pullOutDistance(30, t.topSpeed, rate);
      EXPECT_TRUE(gone >= demo::kViewWidth || gone + t.spriteWidth <= 0);
    }
    EXPECT_EQ(t.departureTime.hours * 3600 + t.departureTime.minutes * 60 + t.departureTime.seconds,
              d.t3());
  }
}

// A board's trains depart in file order, and one is out of sight before the next runs in
// on the same track.
TEST(DemoStation, EachTrackHoldsOneTrainAtATime) {
  const auto& trains = demo::trains();
  for (int k = 0; k < kTrainCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(trains[k].board, boardOf(k));
    if (k % kTrainsPerBoard == kTrainsPerBoard - 1) continue;
    EXPECT_GE(trains[k + 1].t1(), trains[k].t3() + 30);
  }
}

TEST(DemoStation, BusyStretchHasEveryBoard) {
  std::set<int> boards;
  int open = 0, left = 0, right = 0;
  for (const auto& d : demo::trains())
    if (d.t1() >= 8 * 3600 && d.t3() <= 8 * 3600 + 7 * 60) {
      boards.insert(d.board);
      open += d.openDoors;
      (demo::track(d.board).rightward ? right : left)++;
    }
  EXPECT_EQ(boards.size(), 4u);
  EXPECT_GT(open, 0);
  EXPECT_GT(left, 0);
  EXPECT_GT(right, 0);
}

TEST(DemoStation, EverySoundItNamesIsMade) {
  std::set<std::string> made;
  for (const auto& s : demo::makeSounds()) {
    made.insert(s.name);
    EXPECT_GT(s.frames.size(), 2u * demo::kSampleRate / 2) << s.name;
    EXPECT_EQ(s.frames.size() % 2, 0u);
    float peak = 0;
    for (float v : s.frames) peak = std::max(peak, std::fabs(v));
    EXPECT_GT(peak, 0.01f) << s.name;
    EXPECT_LE(peak, 1.0f) << s.name;
  }
  const StationRecord r = demo::makeStation();
  EXPECT_TRUE(made.count("案内"));
  for (const auto& t : r.trains)
    for (const auto& name :
         {t.arrivalSound, t.preDepartureSound, t.approachSound, t.bellSound, t.bellStopSound})
      EXPECT_TRUE(made.count(name)) << name;
  for (const auto& p : r.periods) EXPECT_TRUE(made.count(p.periodSound)) << p.periodSound;
}
