#include "station/station_file.h"

#include <gtest/gtest.h>

#include "platform/load_error.h"

namespace {

// 958 values: text values quoted, numbers as given, joined by `sep`.
std::string stationText(const char* sep, int count = 958) {
  std::string s;
  for (int i = 1; i <= count; ++i) {
    if (i > 1) s += sep;
    s += std::to_string(i % 7);
  }
  return s;
}

}  // namespace

TEST(StationFile, OneLineAndOneValuePerLineReadAlike) {
  StationRecord a, b;
  ReadStationBytes(stationText(","), "a", a);
  ReadStationBytes(stationText("\r\n"), "b", b);
  EXPECT_EQ(a.trains[5].topSpeed, b.trains[5].topSpeed);
  EXPECT_EQ(a.overlays[5].overlayHeight, b.overlays[5].overlayHeight);
  EXPECT_EQ(a.windowTitle, "1");
}

TEST(StationFile, ShortFileNamesTheMissingValue) {
  StationRecord r;
  try {
    ReadStationBytes(stationText(",", 957), "x.CSV", r);
    FAIL();
  } catch (const LoadError& e) {
    EXPECT_NE(std::string(e.what()).find("overlay 5 overlayHeight, value 958"), std::string::npos)
        << e.what();
  }
}

struct UntypedCase {
  const char* name;
  const char* written;
  const char* names;
};
const UntypedCase kUntyped[] = {
    {"unquoted 007 names file 7", "007", "7"},
    {"quoted 007 keeps its zeros", "\"007\"", "007"},
    {"unquoted 1.50 names 1.5", "1.50", "1.5"},
    {"a word stays a word", "bell", "bell"},
};

TEST(StationFile, UntypedNamesFollowHowTheyAreWritten) {
  for (const auto& c : kUntyped) {
    SCOPED_TRACE(c.name);
    std::string s;
    for (int i = 1; i <= 958; ++i) {
      if (i > 1) s += ",";
      s += i == station_values::trainValue(0, 17) ? c.written : "\"a,b\"";
    }
    StationRecord r;
    ReadStationBytes(s, "x", r);
    EXPECT_EQ(r.trains[0].approachSound, c.names);
    EXPECT_EQ(r.windowTitle, "a,b");
  }
}

TEST(StationFile, IntegerOverflowFailsTheLoad) {
  const char* kValues[] = {"32767", "-32768", "32768"};
  for (const char* value : kValues) {
    SCOPED_TRACE(value);
    std::string s;
    for (int i = 1; i <= 958; ++i) {
      if (i > 1) s += ",";
      s += i == station_values::trainValue(3, 18) ? value : "0";
    }
    StationRecord r;
    if (std::string(value) == "32768") {
      EXPECT_THROW(ReadStationBytes(s, "x", r), LoadError);
    } else {
      ReadStationBytes(s, "x", r);
      EXPECT_EQ(r.trains[3].approachOffset, std::stoi(value));
    }
  }
}
