// tovarek2-sim run end to end: scripts in, JSON lines out.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/fixtures.h"
#include "support/station_fixture.h"

namespace {

struct SimRun {
  int status = -1;
  std::vector<nlohmann::json> lines;

  // Events of one kind, in order.
  std::vector<nlohmann::json> events(const std::string& ev) const {
    std::vector<nlohmann::json> out;
    for (const auto& j : lines)
      if (j.value("ev", "") == ev) out.push_back(j);
    return out;
  }
  std::vector<nlohmann::json> dumps() const {
    std::vector<nlohmann::json> out;
    for (const auto& j : lines)
      if (!j.contains("ev")) out.push_back(j);
    return out;
  }
  std::vector<std::string> soundsOf(const std::string& voice, const std::string& op) const {
    std::vector<std::string> at;
    for (const auto& j : events("sound"))
      if (j["voice"] == voice && j["op"] == op) at.push_back(j["t"]);
    return at;
  }
};

SimRun runSim(const TempFolder& folder, const std::string& options, const std::string& script) {
  const auto scriptFile = folder.path() / "script.txt";
  const auto outFile = folder.path() / "out.jsonl";
  writeFile(scriptFile, script);
  const std::string command = std::string(TOVAREK2_SIM) + " --data '" + folder.path().string() +
                              "' " + options + " < '" + scriptFile.string() + "' > '" +
                              outFile.string() + "'";
  SimRun run;
  const int raw = std::system(command.c_str());
  run.status = WEXITSTATUS(raw);
  std::ifstream in(outFile);
  std::string line;
  while (std::getline(in, line)) run.lines.push_back(nlohmann::json::parse(line));
  return run;
}

struct SimStation {
  TempFolder folder;
  SimStation(int soundMs = 30) {
    WriteStation(folder.path(), "a.CSV", SampleRecord("南町"), {}, soundMs);
  }
};

}  // namespace

TEST(Sim, TheFirstLoadStartsPassesAndTicksOnTheirGrid) {
  SimStation s;
  const SimRun run = runSim(s.folder, "--start 07:59:00",
                            "select a.CSV\nclick Miselu起動.Command1\ndump\nrun 1\ndump\n");
  EXPECT_EQ(run.status, 0);
  const auto loads = run.events("load");
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0]["t"], "07:59:00.000");
  EXPECT_EQ(loads[0]["station"], "a.CSV");
  const auto dumps = run.dumps();
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_EQ(dumps[0]["passes"], 1);  // the load runs the first pass itself
  EXPECT_EQ(dumps[0]["AcumeByoLabel"], "");
  EXPECT_EQ(dumps[0]["title"], "南町");
  EXPECT_EQ(dumps[0]["windows"]["Tovarek2"], "shown");
  EXPECT_EQ(dumps[0]["windows"]["Miselu起動"], "hidden");
  EXPECT_EQ(dumps[1]["passes"], 41);
  EXPECT_EQ(dumps[1]["t"], "07:59:01.000");
  EXPECT_EQ(dumps[1]["now"], 59 * 60 + 7 * 3600 + 1);
  EXPECT_EQ(dumps[1]["AcumeJiLabel"], "7");
  EXPECT_EQ(dumps[1]["AcumeFunLabel"], "59");
  EXPECT_EQ(dumps[1]["background"], "駅素材/morning.bmp");
  EXPECT_EQ(dumps[1]["trains"].size(), 32u);
  EXPECT_EQ(dumps[1]["Text1"].size(), 128u);
  EXPECT_EQ(dumps[1]["flaps"].size(), 16u);
  EXPECT_EQ(run.lines.back()["ev"], "exit");
}

TEST(Sim, ADepartureRollsTheBoardWithItsSound) {
  SimStation s;
  // Train 0 of board 0 departs at 08:00:00; its rows settle 10 to 14 s later.
  const SimRun run =
      runSim(s.folder, "--start 07:59:00 --station a.CSV", "run 64\ndump\nrun 12\ndump\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.soundsOf("boardSound", "start"), std::vector<std::string>{"08:00:05.000"});
  EXPECT_EQ(run.soundsOf("boardSound", "stop"), std::vector<std::string>{"08:00:13.000"});
  EXPECT_EQ(run.soundsOf("boardSound", "rewind"), std::vector<std::string>{"08:00:13.000"});
  const auto dumps = run.dumps();
  ASSERT_EQ(dumps.size(), 2u);
  // At +4 the board still shows train 0 first; at +16 it starts with train 1 (08:10).
  EXPECT_EQ(dumps[0]["Text1"][1], "00");
  EXPECT_EQ(dumps[1]["Text1"][0], "08");
  EXPECT_EQ(dumps[1]["Text1"][1], "10");
  EXPECT_EQ(dumps[1]["Text3"][0], "終点1");
  // Train 0 arrived at 07:59:20 by the clock tick that saw that second.
  const auto arrivals = run.events("sound");
  bool arrived = false;
  for (const auto& e : arrivals)
    if (e["voice"] == "arrivalSound" && e["train"] == 0 && e["op"] == "start") {
      arrived = true;
      EXPECT_EQ(e["t"].get<std::string>().substr(0, 8), "07:59:20");
    }
  EXPECT_TRUE(arrived);
}

TEST(Sim, AVoicePlayedOnceEndsOnVirtualTime) {
  SimStation s(200);
  const SimRun run = runSim(s.folder, "--start 07:59:00 --station a.CSV", "run 21\n");
  // Every tick within the arrival second starts the 200 ms sound again; each ends at the
  // first instant the mixer has rendered past its last frame.
  EXPECT_EQ(run.soundsOf("arrivalSound", "start"),
            (std::vector<std::string>{"07:59:20.100", "07:59:20.400", "07:59:20.700"}));
  EXPECT_EQ(run.soundsOf("arrivalSound", "end"),
            (std::vector<std::string>{"07:59:20.300", "07:59:20.600", "07:59:20.900"}));
  EXPECT_EQ(run.soundsOf("periodSound", "start"), std::vector<std::string>{"07:59:00.000"});
}

TEST(Sim, FailuresAndExitStatus) {
  struct Case {
    const char* what;
    const char* options;
    const char* script;
    int status;
    const char* lastEvent;
  };
  const Case cases[] = {
      {"a missing station ends the first load", "--start 10:00:00",
       "select none.CSV\nclick Miselu起動.Command1\nrun 1\n", 1, "exit"},
      {"a malformed line", "--start 10:00:00", "run soon\n", 2, "exit"},
      {"an unknown command", "--start 10:00:00", "jump 3\n", 2, "exit"},
      {"a click on nothing goes on", "--start 10:00:00", "click Miselu起動.Command9\nrun 1\n", 0,
       "exit"},
      {"the exit button", "--start 10:00:00", "click Miselu起動.Command2\nrun 1\n", 0, "exit"},
  };
  SimStation s;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SimRun run = runSim(s.folder, c.options, c.script);
    EXPECT_EQ(run.status, c.status);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.back()["ev"], c.lastEvent);
  }
  const SimRun missing =
      runSim(s.folder, "--start 10:00:00", "select none.CSV\nclick Miselu起動.Command1\n");
  ASSERT_EQ(missing.events("error").size(), 1u);
  EXPECT_NE(missing.events("error")[0]["message"].get<std::string>().find("none.CSV"),
            std::string::npos);
  EXPECT_EQ(runSim(s.folder, "--start 25:00:00", "").status, 2);
}

TEST(Sim, WritesWhatTheMixerRenderedAndTheTrackPicture) {
  SimStation s;
  const auto wav = s.folder.path() / "out.wav";
  const auto bmp = s.folder.path() / "view.bmp";
  const SimRun run =
      runSim(s.folder, "--start 07:59:00 --station a.CSV --wav '" + wav.string() + "'",
             "run 2\nsnapshot " + bmp.string() + "\n");
  EXPECT_EQ(run.status, 0);
  SF_INFO info{};
  SNDFILE* f = sf_open(wav.c_str(), SFM_READ, &info);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(info.samplerate, 22050);
  EXPECT_EQ(info.channels, 2);
  EXPECT_EQ(info.frames, 44100);
  sf_close(f);
  std::ifstream in(bmp, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  ASSERT_GE(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  const auto le32 = [&](int at) {
    return static_cast<int>(static_cast<unsigned char>(bytes[at]) |
                            static_cast<unsigned char>(bytes[at + 1]) << 8 |
                            static_cast<unsigned char>(bytes[at + 2]) << 16 |
                            static_cast<unsigned char>(bytes[at + 3]) << 24);
  };
  EXPECT_EQ(le32(18), 1600);
  EXPECT_EQ(le32(22), 573);  // positive height: bottom-up
}
