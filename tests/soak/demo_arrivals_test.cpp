// Every train of the demo station, run through its arrival in the simulator: it must come
// to a stand in view, wholly inside the window's width, and leave the view after departing.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/seconds_of_day.h"
#include "sim/simulator.h"
#include "station/station_file.h"

namespace {

std::string timeOfDay(double s) {
  const int whole = static_cast<int>(s);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", whole / 3600, whole / 60 % 60, whole % 60);
  return text;
}

}  // namespace

TEST(DemoStation, EveryTrainStopsInViewAndLeavesIt) {
#ifndef TOVAREK2_DEMO_DIR
  GTEST_SKIP() << "no demo station folder is configured";
#else
  const std::filesystem::path root(TOVAREK2_DEMO_DIR);
  const std::string name = "星見台.CSV";
  if (!std::filesystem::exists(root / "駅ファイル" / name)) GTEST_SKIP() << "no demo station";
  StationRecord record;
  ReadStationFile(ProgramFolder(root), name, record);
  for (int k = 0; k < kTrainCount; ++k) {
    SCOPED_TRACE("train " + std::to_string(k));
    const TrainEntry& t = record.trains[k];
    const double t1 = secondsOfDay(t.entryTime), t2 = secondsOfDay(t.arrivalTime),
                 t3 = secondsOfDay(t.departureTime);
    std::ostringstream out;
    Simulator sim(ProgramFolder(root), static_cast<std::int64_t>(t1 - 10) * 1000, out);
    sim.station().drawView = false;
    ASSERT_TRUE(sim.line("select " + name));
    ASSERT_TRUE(sim.line("click Miselu起動.Command1"));
    sim.line("run " + std::to_string(static_cast<int>(t2 + 1 - (t1 - 10))));
    const double standing = sim.station().motion[k].position;
    EXPECT_EQ(sim.station().motion[k].speed, 0) << "not at a stand at " << timeOfDay(t2 + 1);
    EXPECT_GE(standing, 0);
    EXPECT_LE(standing + t.spriteWidth, Tovarek2::kInsideWidth);
    sim.line("run " + std::to_string(static_cast<int>(t3 + 60 - (t2 + 1))));
    const double gone = sim.station().motion[k].position;
    EXPECT_TRUE(gone + t.spriteWidth < 0 || gone > Tovarek2::kTrackWidth)
        << "still in view at " << timeOfDay(t3 + 60) << ": " << gone;
  }
#endif
}
