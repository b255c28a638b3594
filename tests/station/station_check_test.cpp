#include "station/station_check.h"

#include <gtest/gtest.h>

#include "platform/program_folder.h"
#include "support/fixtures.h"
#include "support/station_fixture.h"

namespace {

// The findings whose message contains `part`.
int countFindings(const std::vector<StationFinding>& f, const std::string& part, bool error) {
  int n = 0;
  for (const auto& x : f)
    if (x.error == error && x.message.find(part) != std::string::npos) ++n;
  return n;
}

}  // namespace

TEST(StationCheck, ATidyStationHasNoFindings) {
  TempFolder folder;
  WriteStation(folder.path(), "a.CSV", SampleRecord());
  const auto findings = CheckStation(ProgramFolder(folder.path()), "a.CSV");
  for (const auto& f : findings) ADD_FAILURE() << f.line();
  EXPECT_TRUE(StationWouldLoad(findings));
}

TEST(StationCheck, ReportsEveryMissingFileNotJustTheFirst) {
  TempFolder folder;
  WriteStation(folder.path(), "a.CSV", SampleRecord(),
               {"駅サウンド/arrive.wav", "駅素材/train1.bmp", "駅素材/night.bmp", "案内.wav"});
  const auto findings = CheckStation(ProgramFolder(folder.path()), "a.CSV");
  EXPECT_FALSE(StationWouldLoad(findings));
  EXPECT_EQ(countFindings(findings, "train 0 arrivalSound, value", true), 1);
  EXPECT_EQ(countFindings(findings, "train 1 pictureName", true), 1);
  EXPECT_EQ(countFindings(findings, "period 2 periodPicture", true), 1);
  EXPECT_EQ(countFindings(findings, "案内.wav", true), 1);
}

TEST(StationCheck, WarnsAboutValuesThatLoadButMisbehave) {
  struct Case {
    const char* what;
    void (*edit)(StationRecord&);
    const char* expected;
  };
  const Case cases[] = {
      {"past midnight", [](StationRecord& r) { r.trains[3].departureTime.hours = 24; },
       "train 3 departureTime hours"},
      {"fractional second", [](StationRecord& r) { r.trains[3].arrivalTime.seconds = 0.5; },
       "fraction"},
      {"short run-in",
       [](StationRecord& r) {
         r.trains[2].entryTime = r.trains[2].arrivalTime;
         r.trains[2].entryTime.seconds -= 6;
       },
       "less than 7 seconds"},
      {"never sent home",
       [](StationRecord& r) {
         r.trains[7].departureTime = {23, 58, 29};
       },
       "never sent home"},
      {"odd open flag", [](StationRecord& r) { r.trains[1].hasOpenPicture = 2; },
       "hasOpenPicture is 2"},
      {"doors without picture", [](StationRecord& r) { r.trains[1].doorsOpen = 1; },
       "doors stay shut"},
      {"periods out of order", [](StationRecord& r) { r.periods[1].periodStart.hours = 4; },
       "out of order"},
      {"board out of order", [](StationRecord& r) { r.trains[9].departureTime.hours = 7; },
       "board's departures are out of order"},
      {"narrow bitmap", [](StationRecord& r) { r.trains[0].spriteWidth = 80; }, "less than twice"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    StationRecord r = SampleRecord();
    WriteStation(folder.path(), "a.CSV", r);  // the files of the tidy station
    c.edit(r);
    WriteStation(folder.path(), "a.CSV", r);
    const auto findings = CheckStation(ProgramFolder(folder.path()), "a.CSV");
    EXPECT_EQ(countFindings(findings, c.expected, false), 1);
    EXPECT_TRUE(StationWouldLoad(findings));
  }
}

TEST(StationCheck, TextInANumberPositionAndAShortFile) {
  TempFolder folder;
  WriteStation(folder.path(), "a.CSV", SampleRecord());
  writeFile(folder.path() / "駅ファイル" / "short.CSV", "\"x\",\"y\",abc,1,2\r\n");
  const auto findings = CheckStation(ProgramFolder(folder.path()), "short.CSV");
  EXPECT_FALSE(StationWouldLoad(findings));
  EXPECT_EQ(countFindings(findings, "5 values", true), 1);
  EXPECT_EQ(CheckStation(ProgramFolder(folder.path()), "gone.CSV").size(), 1u);
}
