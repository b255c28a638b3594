#include "gui/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, TimesOfDay) {
  struct Case {
    const char* text;
    std::optional<int> second;
  };
  const Case cases[] = {
      {"00:00", 0},
      {"09:05:03", 9 * 3600 + 5 * 60 + 3},
      {"23:59:59", 86399},
      {"7:30", 7 * 3600 + 30 * 60},
      {"24:00", std::nullopt},
      {"12:60", std::nullopt},
      {"12:00:60", std::nullopt},
      {"12", std::nullopt},
      {"12:00:00:00", std::nullopt},
      {"ab:cd", std::nullopt},
      {"", std::nullopt},
      {"-1:00", std::nullopt},
      {"12:5x", std::nullopt},
      {"123:00", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseTimeOfDay(c.text), c.second);
  }
}

TEST(CommandLine, Options) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    bool ok;
  };
  const Case cases[] = {
      {"nothing", {}, true},
      {"all",
       {"--data", "/d", "--station", "x", "--at", "08:00", "--snapshot", "a.png", "--quit-after",
        "2.5"},
       true},
      {"with equals", {"--data=/d", "--at=08:00:10"}, true},
      {"quit alone", {"--quit-after", "1"}, true},
      {"snapshot without quit", {"--snapshot", "a.png"}, false},
      {"snapshot not png", {"--snapshot", "a.jpg", "--quit-after", "1"}, false},
      {"unknown option", {"--fast"}, false},
      {"stray argument", {"station.csv"}, false},
      {"missing value", {"--data"}, false},
      {"bad time", {"--at", "25:00"}, false},
      {"zero seconds", {"--quit-after", "0"}, false},
      {"negative seconds", {"--quit-after", "-3"}, false},
      {"words for seconds", {"--quit-after", "soon"}, false},
      {"empty station", {"--station="}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = parseCommandLine(c.args);
    EXPECT_EQ(r.error.empty(), c.ok) << r.error;
  }
}

TEST(CommandLine, ValuesArriveWhereTheyBelong) {
  const auto r = parseCommandLine({"--data", "/d", "--station", "みなと", "--at", "08:01:02",
                                   "--snapshot", "s.PNG", "--quit-after", "2.5", "--help"});
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_EQ(r.options.data, "/d");
  EXPECT_EQ(r.options.station, "みなと");
  EXPECT_EQ(r.options.atSecondOfDay, 8 * 3600 + 62);
  EXPECT_EQ(r.options.snapshot, "s.PNG");
  EXPECT_EQ(r.options.quitAfterSeconds, 2.5);
  EXPECT_TRUE(r.options.help);
  EXPECT_FALSE(r.options.version);
}

TEST(CommandLine, ErrorsNameTheOption) {
  EXPECT_NE(parseCommandLine({"--at", "25:00"}).error.find("--at"), std::string::npos);
  EXPECT_NE(parseCommandLine({"--bogus"}).error.find("--bogus"), std::string::npos);
  EXPECT_NE(parseCommandLine({"--snapshot", "a.png"}).error.find("--quit-after"),
            std::string::npos);
}

TEST(CommandLine, StationNamesGetTheirEnding) {
  EXPECT_EQ(stationFileName("みなと"), "みなと.CSV");
  EXPECT_EQ(stationFileName("みなと.CSV"), "みなと.CSV");
  EXPECT_EQ(stationFileName("minato.csv"), "minato.csv");
  EXPECT_EQ(stationFileName("a.Csv"), "a.Csv");
}

}  // namespace
