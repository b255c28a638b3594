// A station loaded from its files and run pass by pass: the boards at a load, a departure's
// board change second by second, the ring, overlapping departures, the day periods, quiet
// passes, passes without files and a change of station.
#include <gtest/gtest.h>

#include <filesystem>

#include "boards/running_station_fixture.h"

namespace {

constexpr int kHour = 3600;
constexpr int kMinute = 60;
constexpr int kEight = 8 * kHour;

// How many roll steps took a row's type cursor from `before` to `after` (0 to 3).
int rollSteps(double before, double after) {
  double c = before;
  for (int n = 0; n <= 3; ++n) {
    if (c == after) return n;
    c += 0.2;
    if (c >= 15) c = 0;
  }
  return -1;
}

struct LoadCase {
  const char* name;
  int at;                       // second of day of the load
  int rows[4][4];               // trains of the rows of each board
  int train;                    // a train whose placement is looked at
  double position;              // its position after the load
  const char* picture;          // what its element shows
  double departureSeconds = 0;  // train 0's departure seconds, if moved
};

const LoadCase kLoads[] = {
    {"small hours: every board shows its first four",
     30 * kMinute,
     {{0, 1, 2, 3}, {8, 9, 10, 11}, {16, 17, 18, 19}, {24, 25, 26, 27}},
     0,
     -400,
     "駅素材/train0.bmp"},
    {"a train stands with its doors open",
     kEight - 30,
     {{0, 1, 2, 3}, {8, 9, 10, 11}, {16, 17, 18, 19}, {24, 25, 26, 27}},
     0,
     40 * 28 * 8 - 400,
     "駅素材/train0開.bmp"},
    {"the minute of the departure does not move the board",
     kEight + 59,
     {{0, 1, 2, 3}, {8, 9, 10, 11}, {16, 17, 18, 19}, {24, 25, 26, 27}},
     0,
     (40 + 59) * 27 * 8 - 400,
     "駅素材/train0.bmp"},
    {"one minute after the departure the board has moved on",
     kEight + kMinute,
     {{1, 2, 3, 4}, {8, 9, 10, 11}, {16, 17, 18, 19}, {24, 25, 26, 27}},
     0,
     (40 + 60) * 27 * 8 - 400,
     "駅素材/train0.bmp"},
    {"the next train's own minute still shows it",
     kEight + 10 * kMinute + 30,
     {{1, 2, 3, 4}, {9, 10, 11, 12}, {17, 18, 19, 20}, {25, 26, 27, 28}},
     1,
     (40 + 30) * 27 * 8 - 400,
     "駅素材/train1.bmp"},
    {"a train running in",
     kEight + 11 * kMinute,
     {{2, 3, 4, 5}, {9, 10, 11, 12}, {17, 18, 19, 20}, {25, 26, 27, 28}},
     9,
     20 * 39 * 8 - 400,
     "駅素材/train1.bmp"},
    {"the ring wraps at a load; a load at a departure second places nothing",
     9 * kHour + 14 * kMinute,
     {{0, 1, 2, 3}, {8, 9, 10, 11}, {23, 16, 17, 18}, {31, 24, 25, 26}},
     23,
     -400,
     "駅素材/train3.bmp"},
    {"after every board's last train the first four again",
     9 * kHour + 20 * kMinute,
     {{0, 1, 2, 3}, {8, 9, 10, 11}, {16, 17, 18, 19}, {24, 25, 26, 27}},
     31,
     (40 + 240) * 27 * 8 - 400,
     "駅素材/train3.bmp"},
    {"the boards go by the minute, the placement by the second",
     kEight + kMinute,
     {{1, 2, 3, 4}, {8, 9, 10, 11}, {16, 17, 18, 19}, {24, 25, 26, 27}},
     0,
     (40 + 15) * 27 * 8 - 400,
     "駅素材/train0.bmp",
     45},
};

}  // namespace

TEST(StationRun, LoadSetsBoardsAndTrainsForTheTimeOfDay) {
  for (const LoadCase& c : kLoads) {
    SCOPED_TRACE(c.name);
    RunningLine s;
    StationRecord r = Timetable();
    r.trains[0].departureTime.seconds = c.departureSeconds;
    s.write("a.CSV", r);
    ASSERT_TRUE(s.loadAt("a.CSV", c.at));
    for (int b = 0; b < 4; ++b)
      for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE("board " + std::to_string(b) + " row " + std::to_string(row));
        EXPECT_TRUE(s.showsTrain(b, row, c.rows[b][row]));
      }
    EXPECT_DOUBLE_EQ(s.main->motion[c.train].position, c.position);
    EXPECT_EQ(s.main->motion[c.train].speed, 0);
    EXPECT_EQ(s.main->Picture1[trainPictureElement(c.train)].picturePath, c.picture);
  }
}

namespace {

struct DepartureCase {
  const char* name;
  int train;
  int rows[4];  // trains the rows settle on
};
const DepartureCase kDepartures[] = {
    {"board 0, whose top row flickers the other way", 0, {1, 2, 3, 4}},
    {"board 1 in the middle of its ring", 10, {11, 12, 13, 14}},
    {"the ring wraps after a board's last train", 23, {16, 17, 18, 19}},
    {"the ring wraps part way round", 29, {30, 31, 24, 25}},
};

}  // namespace

TEST(StationRun, ADeparturesBoardChangeSecondBySecond) {
  for (const DepartureCase& c : kDepartures) {
    SCOPED_TRACE(c.name);
    RunningLine s;
    s.write("a.CSV", Timetable());
    const int t3 = static_cast<int>(secondsOfDay(Timetable().trains[c.train].departureTime));
    ASSERT_TRUE(s.loadAt("a.CSV", t3 - 2));
    Tovarek2& m = *s.main;
    const int b = boardOf(c.train);
    const VoiceId board = m.boardSound;
    std::string before[4];
    for (int r = 0; r < 4; ++r) before[r] = m.firstCell(b, r).text;
    std::uint64_t others = 0;
    for (int ob = 0; ob < 4; ++ob)
      if (ob != b)
        for (int r = 0; r < 4; ++r) others += s.rowRevision(ob, r);
    bool stripShown[4] = {};
    int starts = 0;

    while (s.now() < t3 + 15) {
      double cursor[4];
      for (int r = 0; r < 4; ++r) cursor[r] = m.flaps[4 * b + r].typeCursor;
      const bool wasPlaying = s.playing(board);
      s.sound.calls.clear();
      s.pass();
      const int a = s.now() - t3;
      SCOPED_TRACE("second +" + std::to_string(a));
      for (int r = 0; r < 4; ++r) {
        const bool rolls = 5 + r <= a && a < 11 + r;
        ASSERT_EQ(rollSteps(cursor[r], m.flaps[4 * b + r].typeCursor), rolls ? 1 : 0) << r;
        if (a >= 10 + r) {
          ASSERT_TRUE(s.showsTrain(b, r, c.rows[r])) << r;
          ASSERT_TRUE(s.stripsHidden(b, r)) << r;
        } else if (rolls) {
          ASSERT_NE(m.firstCell(b, r).text, before[r]);  // a roll number, not a train
          for (int i = 0; i < 10; ++i) stripShown[r] |= m.coverStrip(b, r, i).visible;
        } else {
          ASSERT_EQ(m.firstCell(b, r).text, before[r]) << r;
        }
      }
      // The board sound plays from +5, is stopped and rewound in the second +13.
      ASSERT_EQ(s.playing(board), 5 <= a && a < 13);
      if (!wasPlaying && s.playing(board)) ++starts;
      if (5 <= a && a < 11) {
        ASSERT_EQ(s.callsOf(board), std::vector<std::string>{"play1"});
      } else if (a == 13) {
        ASSERT_EQ(s.callsOf(board), (std::vector<std::string>{"stop", "rewind"}));
      } else {
        ASSERT_TRUE(s.callsOf(board).empty());
      }
    }
    EXPECT_EQ(starts, 1);
    for (int r = 0; r < 4; ++r) EXPECT_TRUE(stripShown[r]) << "row " << r << " never flickered";
    std::uint64_t othersAfter = 0;
    for (int ob = 0; ob < 4; ++ob)
      if (ob != b)
        for (int r = 0; r < 4; ++r) othersAfter += s.rowRevision(ob, r);
    EXPECT_EQ(othersAfter, others);
  }
}

TEST(StationRun, DeparturesOfOneBoardInOneSecondLetTheHigherTrainWriteLast) {
  RunningLine s;
  StationRecord r = Timetable();
  r.trains[1].departureTime = r.trains[0].departureTime;  // both at 08:00:00
  s.write("a.CSV", r);
  ASSERT_TRUE(s.loadAt("a.CSV", kEight - 1));
  Tovarek2& m = *s.main;
  while (s.now() < kEight + 15) {
    double cursor[4];
    for (int row = 0; row < 4; ++row) cursor[row] = m.flaps[row].typeCursor;
    s.pass();
    const int a = s.now() - kEight;
    SCOPED_TRACE("second +" + std::to_string(a));
    for (int row = 0; row < 4; ++row) {
      // Each row rolls once per departing train in every pass.
      const bool rolls = 5 + row <= a && a < 11 + row;
      ASSERT_EQ(rollSteps(cursor[row], m.flaps[row].typeCursor), rolls ? 2 : 0);
      if (a >= 10 + row) {
        ASSERT_TRUE(s.showsTrain(0, row, 2 + row)) << row;
      }
    }
  }
}

TEST(StationRun, DeparturesFourSecondsApartRollRowsTwice) {
  RunningLine s;
  StationRecord r = Timetable();
  r.trains[1].departureTime = {8, 0, 4};
  s.write("a.CSV", r);
  ASSERT_TRUE(s.loadAt("a.CSV", kEight - 1));
  Tovarek2& m = *s.main;
  bool sawTrainOneInRowZero = false;
  while (s.now() < kEight + 19) {
    const double cursor = m.flaps[0].typeCursor;
    s.pass();
    const int a0 = s.now() - kEight, a1 = a0 - 4;
    SCOPED_TRACE("second +" + std::to_string(a0));
    const int steps = (5 <= a0 && a0 < 11) + (5 <= a1 && a1 < 11);
    ASSERT_EQ(rollSteps(cursor, m.flaps[0].typeCursor), steps);
    if (a0 == 10) sawTrainOneInRowZero |= s.showsTrain(0, 0, 1);
    // The earlier train stops the shared board sound while the later one still rolls; the
    // next pass starts it again.
    if (a0 == 13) {
      EXPECT_FALSE(s.playing(m.boardSound));
    }
    if (a0 == 14) {
      EXPECT_TRUE(s.playing(m.boardSound));
    }
  }
  EXPECT_TRUE(sawTrainOneInRowZero);
  for (int row = 0; row < 4; ++row) EXPECT_TRUE(s.showsTrain(0, row, 2 + row)) << row;
}

namespace {

struct PeriodCase {
  const char* name;
  int starts[3];
  int loadAt;
  int passes;
  int background;        // period whose picture shows; the load shows period 0's
  bool playing[3];       // period sounds after the last pass
  const char* lastPass;  // period voice requests of the last pass, "p<period> op" joined
};
const PeriodCase kPeriods[] = {
    {"the small hours belong to the last period",
     {5 * kHour, 10 * kHour, 18 * kHour},
     4 * kHour,
     1,
     2,
     {false, false, true},
     "p2 play1,p1 stop,p1 rewind"},
    {"the morning begins",
     {5 * kHour, 10 * kHour, 18 * kHour},
     5 * kHour - 1,
     40,
     0,
     {true, false, false},
     "p0 play1,p2 stop,p2 rewind"},
    {"the day begins",
     {5 * kHour, 10 * kHour, 18 * kHour},
     10 * kHour - 1,
     40,
     1,
     {false, true, false},
     "p1 play1,p0 stop,p0 rewind"},
    {"the evening begins",
     {5 * kHour, 10 * kHour, 18 * kHour},
     18 * kHour - 1,
     40,
     2,
     {false, false, true},
     "p2 play1,p1 stop,p1 rewind"},
    {"the day's last second changes nothing",
     {5 * kHour, 10 * kHour, 18 * kHour},
     86398,
     40,
     2,
     {false, false, true},
     ""},
    {"loaded in the day's last second the load's picture stays",
     {5 * kHour, 10 * kHour, 18 * kHour},
     86399,
     39,
     0,
     {false, false, false},
     ""},
    {"after midnight the last period again",
     {5 * kHour, 10 * kHour, 18 * kHour},
     86399,
     40,
     2,
     {false, false, true},
     "p2 play1,p1 stop,p1 rewind"},
    {"periods out of order: the last test wins and a sound plays and stops in one pass",
     {10 * kHour, 5 * kHour, 18 * kHour},
     7 * kHour,
     1,
     2,
     {false, false, true},
     "p1 play1,p0 stop,p0 rewind,p2 play1,p1 stop,p1 rewind"},
    {"periods out of order, in the middle period only",
     {10 * kHour, 5 * kHour, 18 * kHour},
     12 * kHour,
     1,
     1,
     {false, true, false},
     "p1 play1,p0 stop,p0 rewind"},
};

}  // namespace

TEST(StationRun, TheDayPeriodPicksPictureAndAmbientSound) {
  for (const PeriodCase& c : kPeriods) {
    SCOPED_TRACE(c.name);
    RunningLine s;
    StationRecord r = Timetable();
    for (int p = 0; p < 3; ++p) r.periods[p].periodStart = {0, 0, static_cast<double>(c.starts[p])};
    s.write("a.CSV", r);
    ASSERT_TRUE(s.loadAt("a.CSV", c.loadAt));
    Tovarek2& m = *s.main;
    s.passes(c.passes - 1);
    s.sound.calls.clear();
    s.pass();
    EXPECT_EQ(m.Picture1[2].picture, m.periodBitmaps[c.background]);
    EXPECT_EQ(m.Picture1[2].picturePath, m.periodPicturePaths[c.background]);
    std::string requests;
    for (const auto& call : s.sound.calls)
      for (int p = 0; p < 3; ++p)
        if (call.voice == m.periodVoices[p])
          requests += (requests.empty() ? "" : ",") + ("p" + std::to_string(p)) + " " + call.op;
    EXPECT_EQ(requests, c.lastPass);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(s.playing(m.periodVoices[p]), c.playing[p]) << p;
  }
}

TEST(StationRun, APassWithoutRollingTrainsTouchesNoBoard) {
  struct Case {
    const char* name;
    int second;  // the second whose passes are looked at
  };
  const Case cases[] = {
      {"between departures", kEight + 30 * kMinute + 30},
      {"four seconds after a departure", kEight + 30 * kMinute + 4},
      {"fourteen seconds after a departure", kEight + 30 * kMinute + 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunningLine s;
    s.write("a.CSV", Timetable());
    ASSERT_TRUE(s.loadAt("a.CSV", c.second - 2));
    Tovarek2& m = *s.main;
    while (s.now() < c.second) s.pass();
    const std::uint64_t boards = s.boardsRevision();
    const auto flaps = m.flaps;
    s.sound.calls.clear();
    s.passes(39);  // the rest of the second
    ASSERT_EQ(s.now(), c.second);
    EXPECT_EQ(s.boardsRevision(), boards);
    EXPECT_TRUE(s.callsOf(m.boardSound).empty());
    for (int i = 0; i < 16; ++i) EXPECT_EQ(m.flaps[i].typeCursor, flaps[i].typeCursor) << i;
  }
}

TEST(StationRun, PassesReadNoFile) {
  RunningLine s;
  s.write("a.CSV", Timetable());
  ASSERT_TRUE(s.loadAt("a.CSV", kEight - 40 - 1));  // a second before train 0 stands
  Tovarek2& m = *s.main;
  for (const auto& entry : std::filesystem::directory_iterator(s.folder.path()))
    std::filesystem::remove_all(entry.path());

  // Train 0 stops, opens its doors, closes them, leaves, and its board rolls over.
  while (s.now() < kEight - 15) s.pass();
  EXPECT_EQ(m.Picture1[trainPictureElement(0)].picture, m.trainBitmaps[0].open);
  s.clock.set(7, 59, 55);
  while (s.now() < kEight + 15) s.pass();
  EXPECT_EQ(m.Picture1[trainPictureElement(0)].picture, m.trainBitmaps[0].closed);
  for (int row = 0; row < 4; ++row) EXPECT_TRUE(s.showsTrain(0, row, 1 + row)) << row;
  // The day period changes.
  s.clock.set(9, 59, 59);
  while (s.now() != 10 * kHour + 1) s.pass();
  EXPECT_EQ(m.Picture1[2].picture, m.periodBitmaps[1]);
  EXPECT_TRUE(m.Picture1[2].picture);
  EXPECT_TRUE(s.windows.errors.empty());
  EXPECT_TRUE(s.windows.endStatus.empty());
}

TEST(StationRun, AChangeOfStationSilencesTheOldVoicesAndKeepsTheRowsRolling) {
  RunningLine s;
  s.write("a.CSV", Timetable("一番駅"));
  StationRecord other = Timetable("二番駅");
  for (int k = 0; k < kTrainCount; ++k) other.trains[k].destination = "行先" + std::to_string(k);
  s.write("b.CSV", other);
  ASSERT_TRUE(s.loadAt("a.CSV", kEight + 6));
  Tovarek2& m = *s.main;
  s.passes(20);  // board 0 rolls, the morning plays
  const VoiceId oldBoard = m.boardSound, oldMorning = m.periodVoices[0];
  ASSERT_TRUE(s.playing(oldBoard));
  ASSERT_TRUE(s.playing(oldMorning));
  const auto flaps = m.flaps;
  const auto passes = m.passes;

  s.sound.calls.clear();
  m.startupWindow.選択_Click("b.CSV");
  ASSERT_TRUE(m.Form_Load());
  std::vector<std::string> stops;
  for (const auto& c : s.sound.calls)
    if (c.op == "stop") stops.push_back(std::to_string(c.voice));
  // Stopped in the order the load made them: the periods before the board sound.
  EXPECT_EQ(stops,
            (std::vector<std::string>{std::to_string(oldMorning), std::to_string(oldBoard)}));
  EXPECT_FALSE(s.playing(oldBoard));
  EXPECT_FALSE(s.playing(oldMorning));
  EXPECT_TRUE(s.sound.voices[oldBoard].removed);
  EXPECT_NE(m.boardSound, oldBoard);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(m.flaps[i].typeCursor, flaps[i].typeCursor) << i;
    EXPECT_EQ(m.flaps[i].hourRoll, flaps[i].hourRoll) << i;
    EXPECT_EQ(m.flaps[i].blinkPhase, flaps[i].blinkPhase) << i;
  }

  // The new station's board rolls on from where the old one stood.
  s.pass();
  EXPECT_EQ(m.passes, passes + 1);
  EXPECT_EQ(rollSteps(flaps[0].typeCursor, m.flaps[0].typeCursor), 1);
  EXPECT_TRUE(s.playing(m.boardSound));
  EXPECT_TRUE(s.playing(m.periodVoices[0]));
  while (s.now() < kEight + 14) s.pass();
  EXPECT_EQ(m.destinationCell(0, 0).text, "行先1");
  EXPECT_TRUE(s.showsTrain(0, 3, 4));
}
