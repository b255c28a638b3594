// A whole virtual day of a station in the simulator, midnight included: every pass and every
// clock tick of 24 hours, checked against the timetable. The station view is not drawn
// (drawView off): composing 3.5 million pictures would take hours, and nothing checked here
// depends on the picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/seconds_of_day.h"
#include "sim/simulator.h"
#include "support/fixtures.h"
#include "support/station_fixture.h"

namespace {

constexpr int kSecondsPerDay = 86400;
constexpr int kLastSecond = 86399;
constexpr int kPassesPerSecond = 40;
constexpr int kStartSecond = 3 * 3600;  // the day runs from 03:00:00 to 03:00:00
constexpr int kDumpEverySeconds = 60;
constexpr long kMemoryMarginKiB = 4 * 1024;

void setTime(TimeTriple& t, double secondOfDay) {
  t.hours = std::floor(secondOfDay / 3600);
  t.minutes = std::floor((secondOfDay - t.hours * 3600) / 60);
  t.seconds = secondOfDay - t.hours * 3600 - t.minutes * 60;
}

void setTimes(TrainEntry& t, double entry, double arrival, double departure) {
  setTime(t.entryTime, entry);
  setTime(t.arrivalTime, arrival);
  setTime(t.departureTime, departure);
}

constexpr double hms(int h, int m, int s) {
  return h * 3600 + m * 60 + s;
}

// Trains spread from before dawn to late night on all four boards, in departure order on
// each board. Odd trains run leftwards from a home beyond the right edge, one train has no
// speed at all; at 03:00 one train has left, one stands and one runs in; one train's times
// cross midnight (it never runs in, it creeps in while braking), and one leaves at 23:58:40
// and is never sent home.
StationRecord SoakRecord() {
  StationRecord r = SampleRecord("終日駅");
  const char* kinds[3] = {"普通", "快速", "特急"};
  for (int k = 0; k < kTrainCount; ++k) {
    TrainEntry& t = r.trains[k];
    const int b = boardOf(k), j = k % kTrainsPerBoard;
    const double departure = hms(4, 20, 0) + j * 9000 + b * 1111;
    const double dwell = 30 + 5 * (k * 3 % 7);
    const double runIn = 40 + 5 * (k % 5);
    setTimes(t, departure - dwell - runIn, departure - dwell, departure);
    t.rowText = kinds[k % 3];
    t.approachOffset = (k % 5) * 10 - 20;
    if (k % 2 == 1) {
      t.topSpeed = -6;
      t.startOffset = -1700;
    }
  }
  r.trains[13].topSpeed = 0;
  setTimes(r.trains[0], hms(2, 28, 0), hms(2, 29, 0), hms(2, 30, 0));
  setTimes(r.trains[8], hms(2, 58, 0), hms(2, 59, 0), hms(3, 1, 0));
  setTimes(r.trains[16], hms(2, 59, 30), hms(3, 0, 40), hms(3, 1, 30));
  setTimes(r.trains[24], hms(23, 59, 30), hms(0, 0, 30), hms(0, 1, 10));
  setTimes(r.trains[23], hms(23, 57, 0), hms(23, 57, 50), hms(23, 58, 40));
  return r;
}

// A timetable value that a clock tick can meet: a whole second within the day.
bool comesRound(double second) {
  return second == std::floor(second) && second >= 0 && second <= kLastSecond;
}

long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

std::string twoDigits(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%02.0f", std::round(value));
  return text;
}

// Where row r of board b shows its train in a dump: the board layout's element numbers.
struct RowCells {
  int hour, minute, first;  // Text1
  const char* destinationArray;
  int destination;
  const char* typeArray;
  int type;
};

RowCells rowCells(int b, int r) {
  switch (b) {
    case 0: return {5 * r, 5 * r + 1, 5 * r + 2, "Text3", r, "Picture5", r};
    case 1: return {30 + 4 * r, 31 + 4 * r, 29 + 4 * r, "Text3", 8 + r, "Picture5", 8 + r};
    case 2: return {70 + 3 * r, 69 + 3 * r, 68 + 3 * r, "Text5", r, "Picture7", r};
    default: return {85 + 3 * r, 84 + 3 * r, 86 + 3 * r, "Text5", 8 + r, "Picture7", 8 + r};
  }
}

const char* const kAnnouncements[3] = {"arrivalSound", "preDepartureSound", "approachSound"};

// The second of the day each announcement of a train falls due.
double dueSecond(const TrainEntry& t, int announcement) {
  const TrainTimes times = trainTimes(t);
  switch (announcement) {
    case 0: return times.arrival;
    case 1: return times.departure - 6;
    default: return times.entry + t.approachOffset;
  }
}

// Sent home the evening before, a train waits until it first moves again: running in,
// braking (which does not look at the entry time) or pulling out.
double firstMoveSecond(const TrainTimes& times) {
  double moves = std::min(times.arrival - 6, times.departure);
  if (times.entry <= times.arrival - 7) moves = std::min(moves, times.entry);
  return moves;
}

// One departure on a board, in seconds since the start of the run.
struct Departure {
  double at;
  int train;
  bool settles;  // all four rows are placed before the day ends
};

struct DayOutcome {
  nlohmann::json lastDump;
  double seconds = 0;  // wall-clock time the day took
  long firstHourKiB = 0, endKiB = 0;
  int dumps = 0, homeChecks = 0, boardChecks = 0, announcementStarts = 0;
  std::array<int, kTrainCount> homeChecksOf{};
  std::array<int, kBoardCount> boardChecksOf{};
};

class DayRun {
 public:
  DayRun(const std::filesystem::path& root, const std::string& station)
      : sim_(ProgramFolder(root), std::int64_t{kStartSecond} * 1000, out_) {
    sim_.station().drawView = false;  // every pass runs, without composing the view
    command("select " + station);
    command("click Miselu起動.Command1");
    EXPECT_EQ(sim_.station().loads, 1u) << "the station " << station << " did not load";
  }

  bool loaded() { return sim_.station().loads == 1; }

  DayOutcome runDay() {
    const StationRecord& record = sim_.station().record;
    planDepartures(record);
    std::set<int> dumpAt;
    for (int d = kDumpEverySeconds; d <= kSecondsPerDay; d += kDumpEverySeconds) dumpAt.insert(d);
    // Also the first second a train should be home, the last before it moves again, and the
    // first second its board has settled.
    for (const TrainEntry& t : record.trains) {
      const TrainTimes times = trainTimes(t);
      for (double s :
           {times.departure + 91, std::ceil(firstMoveSecond(times)) - 1, times.departure + 15}) {
        const int d = runSecond(std::ceil(s));
        if (d > 0) dumpAt.insert(d);
      }
    }
    const auto began = std::chrono::steady_clock::now();
    int previous = 0;
    for (int d : dumpAt) {
      command("run " + std::to_string(d - previous));
      elapsed_ = d;
      command("dump");
      previous = d;
      if (d == 3600) outcome_.firstHourKiB = residentKiB();
    }
    outcome_.endKiB = residentKiB();
    outcome_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    checkAnnouncements(record);
    return outcome_;
  }

 private:
  // Seconds into the run at which a second of the day comes round (0 for the start itself).
  static int runSecond(double secondOfDay) {
    const int s = static_cast<int>(secondOfDay);
    if (s < 0 || s > kLastSecond) return -1;
    return (s - kStartSecond + kSecondsPerDay) % kSecondsPerDay;
  }

  void command(const std::string& text) {
    ASSERT_TRUE(sim_.line(text)) << text;
    std::string line;
    while (std::getline(out_, line)) take(nlohmann::json::parse(line));
    out_.str("");
    out_.clear();
  }

  void take(const nlohmann::json& j) {
    const std::string ev = j.value("ev", "");
    if (ev == "error") ADD_FAILURE() << j["message"];
    if (ev == "sound" && j["op"] == "start" && j.contains("train")) {
      const std::string voice = j["voice"];
      const std::string t = j["t"];
      const int second = std::stoi(t.substr(0, 2)) * 3600 + std::stoi(t.substr(3, 2)) * 60 +
                         std::stoi(t.substr(6, 2));
      started_[{voice, j["train"].get<int>()}].insert(second);
      ++outcome_.announcementStarts;
    }
    if (ev.empty()) checkDump(j);
  }

  void planDepartures(const StationRecord& record) {
    for (int k = 0; k < kTrainCount; ++k) {
      const double t3 = trainTimes(record.trains[k]).departure;
      // A departure touches its board only if its roll begins within the day.
      if (std::ceil(t3 + 5) > kLastSecond || t3 + 14 <= 0) continue;
      const double at = t3 >= kStartSecond ? t3 - kStartSecond : t3 + kSecondsPerDay - kStartSecond;
      const bool settles = t3 + 5 >= 0 && std::ceil(t3 + 13) <= kLastSecond;
      departures_[boardOf(k)].push_back({at, k, settles});
    }
  }

  void checkDump(const nlohmann::json& dump) {
    const Tovarek2& main = sim_.station();
    const int d = elapsed_;
    const int now = (kStartSecond + d) % kSecondsPerDay;
    SCOPED_TRACE("dump at " + dump["t"].get<std::string>());
    ++outcome_.dumps;
    EXPECT_EQ(dump["now"], now);
    EXPECT_EQ(dump["passes"], 1 + std::uint64_t{kPassesPerSecond} * d);
    for (int k = 0; k < kTrainCount; ++k) {
      const TrainEntry& t = main.record.trains[k];
      const TrainTimes times = trainTimes(t);
      const double moves = firstMoveSecond(times);
      const bool sentHomeEachDay = times.departure + 90 < kLastSecond;
      if (!sentHomeEachDay || !(now > times.departure + 90 || now < moves)) continue;
      ++outcome_.homeChecks;
      ++outcome_.homeChecksOf[k];
      EXPECT_EQ(dump["trains"][k]["position"].get<double>(), -t.startOffset) << "train " << k;
      EXPECT_EQ(dump["trains"][k]["speed"].get<double>(), 0.0) << "train " << k;
    }
    for (int b = 0; b < kBoardCount; ++b) checkBoard(dump, b, d);
    outcome_.lastDump = dump;
  }

  // Once the last train to leave has settled the board and before the next one leaves, the
  // board shows the four trains that follow it on its ring.
  void checkBoard(const nlohmann::json& dump, int b, int d) {
    const Departure* last = nullptr;
    for (const Departure& departure : departures_[b]) {
      if (departure.at > d) continue;
      if (!last || departure.at > last->at ||
          (departure.at == last->at && departure.train > last->train))
        last = &departure;
    }
    if (!last || !last->settles || d < last->at + 15) return;
    for (const Departure& departure : departures_[b])
      if (departure.at == last->at && !departure.settles) return;
    ++outcome_.boardChecks;
    ++outcome_.boardChecksOf[b];
    const StationRecord& record = sim_.station().record;
    for (int r = 0; r < 4; ++r) {
      SCOPED_TRACE("board " + std::to_string(b) + " row " + std::to_string(r) + " after train " +
                   std::to_string(last->train));
      const TrainEntry& shown = record.trains[ringSuccessor(last->train, r + 1)];
      const RowCells cells = rowCells(b, r);
      EXPECT_EQ(dump["Text1"][cells.hour], twoDigits(shown.departureTime.hours));
      EXPECT_EQ(dump["Text1"][cells.minute], twoDigits(shown.departureTime.minutes));
      EXPECT_EQ(dump["Text1"][cells.first], shown.rowText);
      EXPECT_EQ(dump[cells.destinationArray][cells.destination], shown.destination);
      EXPECT_EQ(dump[cells.typeArray][cells.type], "駅素材/" + shown.rowPictureName + ".bmp");
      for (const char* strips : {"Picture8", "Picture9", "Picture10", "Picture11", "Picture12"})
        for (int i : {8 * b + 2 * r, 8 * b + 2 * r + 1})
          EXPECT_FALSE(dump["strips"][strips][i].get<bool>()) << strips << "(" << i << ")";
    }
  }

  void checkAnnouncements(const StationRecord& record) {
    for (int k = 0; k < kTrainCount; ++k) {
      for (int a = 0; a < 3; ++a) {
        SCOPED_TRACE(std::string(kAnnouncements[a]) + " of train " + std::to_string(k));
        const double due = dueSecond(record.trains[k], a);
        std::set<int> expected;
        if (comesRound(due)) expected.insert(static_cast<int>(due));
        const std::set<int>& seconds = started_[{kAnnouncements[a], k}];
        EXPECT_EQ(seconds, expected);
      }
    }
  }

  std::stringstream out_;
  Simulator sim_;
  std::map<std::pair<std::string, int>, std::set<int>> started_;
  std::vector<Departure> departures_[kBoardCount];
  DayOutcome outcome_;
  int elapsed_ = 0;  // seconds since the run began
};

void report(const std::string& station, const DayOutcome& o) {
  std::cout << station << ": a whole day in " << o.seconds << " s; " << o.dumps << " dumps, "
            << o.homeChecks << " trains checked at home, " << o.boardChecks << " boards checked, "
            << o.announcementStarts << " announcement starts; resident " << o.firstHourKiB
            << " KiB after the first hour, " << o.endKiB << " KiB at the end\n";
}

void expectFlatMemory(const DayOutcome& o) {
  ASSERT_GT(o.firstHourKiB, 0);
  EXPECT_LE(o.endKiB - o.firstHourKiB, kMemoryMarginKiB);
}

}  // namespace

TEST(Soak, AWholeDayOfTheSampleStation) {
  TempFolder folder;
  const StationRecord record = SoakRecord();
  WriteStation(folder.path(), "soak.CSV", record);
  DayRun run(folder.path(), "soak.CSV");
  ASSERT_TRUE(run.loaded());
  const DayOutcome o = run.runDay();
  report("soak.CSV", o);
  expectFlatMemory(o);
  // Every train but the late one was seen at home, every board settled after its trains.
  for (int k = 0; k < kTrainCount; ++k) EXPECT_EQ(o.homeChecksOf[k] > 0, k != 23) << "train " << k;
  for (int b = 0; b < kBoardCount; ++b) EXPECT_GT(o.boardChecksOf[b], 0) << "board " << b;
  EXPECT_EQ(o.lastDump["now"], kStartSecond);
  // The 23:58:40 train is still out at 03:00, running at its full speed.
  const auto& late = o.lastDump["trains"][23];
  EXPECT_NE(late["position"].get<double>(), -record.trains[23].startOffset);
  EXPECT_EQ(late["speed"].get<double>(), record.trains[23].topSpeed);
  // The train that ran in before midnight and left after it is home again.
  EXPECT_EQ(o.lastDump["trains"][24]["position"].get<double>(), -record.trains[24].startOffset);
}

TEST(Soak, AWholeDayOfTheDemoStation) {
#ifndef TOVAREK2_DEMO_DIR
  GTEST_SKIP() << "no demo station folder is configured";
#else
  const std::filesystem::path root(TOVAREK2_DEMO_DIR);
  const auto stations = root / "駅ファイル";
  std::vector<std::string> names;
  if (std::filesystem::is_directory(stations))
    for (const auto& entry : std::filesystem::directory_iterator(stations)) {
      const std::string name = entry.path().filename().string();
      if (entry.is_regular_file() && name.size() > 4 && name.substr(name.size() - 4) == ".CSV")
        names.push_back(name);
    }
  if (names.empty()) GTEST_SKIP() << "the demo station has not been generated in " << root;
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    DayRun run(root, name);
    ASSERT_TRUE(run.loaded());
    const DayOutcome o = run.runDay();
    report(name, o);
    expectFlatMemory(o);
    EXPECT_EQ(o.lastDump["now"], kStartSecond);
  }
#endif
}
