#include "station/station_file_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "station/station_file.h"

namespace {

// A record with every field different from its neighbours, Japanese texts, commas,
// fractions, negative numbers and names that look like numbers.
StationRecord sampleRecord() {
  StationRecord r;
  r.windowTitle = "星見台駅";
  r.spareHeader = "予備, カンマ入り";
  for (int b = 0; b < kBoardCount; ++b) r.boardTitle[b] = std::to_string(b + 1) + "番線 上り";
  for (int k = 0; k < kTrainCount; ++k) {
    auto& t = r.trains[k];
    t.spare1 = "s" + std::to_string(k);
    t.entryTime = {7, 10.0 + k, 5};
    t.arrivalTime = {7, 10.0 + k, 25.5};
    t.departureTime = {7, 11.0 + k, 0};
    t.rowText = std::to_string(k % 10);
    t.rowPictureName = "快速";
    t.destination = "湊中央";
    t.arrivalSound = "到着";
    t.preDepartureSound = "発車前";
    t.approachSound = "007";
    t.approachOffset = -32768 + k;
    t.bellSound = "1.50";
    t.bellStopSound = "";
    t.pictureName = "電車" + std::to_string(k);
    t.hasOpenPicture = k % 2;
    t.startOffset = 1234.56789 + k;
    t.spriteTop = 80;
    t.spriteWidth = 600;
    t.spriteHeight = 66;
    t.topSpeed = -3.7;
    t.doorsOpen = 1;
  }
  r.spareText1 = "";
  r.periods[0] = {{5, 0, 0}, "朝", "朝の音"};
  r.periods[1] = {{10, 30, 0}, "昼", "昼の音"};
  r.periods[2] = {{18, 0, 0.1}, "夜", "夜の音"};
  r.frontPicture = "手前";
  r.frontLeft = 0;
  r.frontTop = 196;
  for (int o = 0; o < 6; ++o)
    r.overlays[o] = {"", "重ね" + std::to_string(o), 1.0 * o, 2, 3e-7, 1e21};
  return r;
}

void expectSameTrain(const TrainEntry& a, const TrainEntry& b) {
  EXPECT_EQ(a.spare1, b.spare1);
  EXPECT_EQ(a.arrivalTime.seconds, b.arrivalTime.seconds);
  EXPECT_EQ(a.approachSound, b.approachSound);
  EXPECT_EQ(a.approachOffset, b.approachOffset);
  EXPECT_EQ(a.bellSound, b.bellSound);
  EXPECT_EQ(a.bellStopSound, b.bellStopSound);
  EXPECT_EQ(a.pictureName, b.pictureName);
  EXPECT_EQ(a.hasOpenPicture, b.hasOpenPicture);
  EXPECT_EQ(a.startOffset, b.startOffset);
  EXPECT_EQ(a.topSpeed, b.topSpeed);
  EXPECT_EQ(a.doorsOpen, b.doorsOpen);
}

}  // namespace

TEST(StationFileWriter, ReadingTheBytesGivesTheRecordBack) {
  const StationRecord written = sampleRecord();
  StationRecord read;
  std::vector<StationFileNote> notes;
  ReadStationBytes(WriteStationBytes(written), "written", read, &notes);
  EXPECT_TRUE(notes.empty());
  EXPECT_EQ(read.windowTitle, written.windowTitle);
  EXPECT_EQ(read.spareHeader, written.spareHeader);
  EXPECT_EQ(read.boardTitle, written.boardTitle);
  for (int k = 0; k < kTrainCount; ++k) {
    SCOPED_TRACE(k);
    expectSameTrain(read.trains[k], written.trains[k]);
  }
  for (int p = 0; p < 3; ++p) {
    EXPECT_EQ(read.periods[p].periodStart.seconds, written.periods[p].periodStart.seconds);
    EXPECT_EQ(read.periods[p].periodPicture, written.periods[p].periodPicture);
    EXPECT_EQ(read.periods[p].periodSound, written.periods[p].periodSound);
  }
  EXPECT_EQ(read.frontPicture, written.frontPicture);
  EXPECT_EQ(read.frontTop, written.frontTop);
  EXPECT_EQ(read.overlays[5].overlayPicture, written.overlays[5].overlayPicture);
  EXPECT_EQ(read.overlays[5].overlayWidth, written.overlays[5].overlayWidth);
  EXPECT_EQ(read.overlays[5].overlayHeight, written.overlays[5].overlayHeight);
}

TEST(StationFileWriter, WritesCodePage932OneQuotedValuePerLine) {
  const std::string bytes = WriteStationBytes(sampleRecord());
  int lines = 0;
  for (size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == '\r') {
      ASSERT_EQ(bytes[i + 1], '\n');
      ++lines;
    }
  EXPECT_EQ(lines, kStationFileValues);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  // 星見台駅 in code page 932, quoted.
  EXPECT_EQ(bytes.substr(0, 10), "\"\x90\xAF\x8C\xA9\x91\xE4\x89\x77\"");
  EXPECT_EQ(bytes.find("\xE6"), std::string::npos) << "no UTF-8 lead bytes of kanji";
}

struct RefusedCase {
  const char* name;
  void (*spoil)(StationRecord&);
  const char* named;
};
const RefusedCase kRefused[] = {
    {"a double quote in a text", [](StationRecord& r) { r.trains[2].destination = "a\"b"; },
     "train 2 destination"},
    {"a character outside code page 932",
     [](StationRecord& r) { r.windowTitle = "\xF0\x9F\x9A\x83"; }, "windowTitle"},
    {"an integer past 16 bits", [](StationRecord& r) { r.trains[4].hasOpenPicture = 40000; },
     "train 4 hasOpenPicture"},
    {"a number that is not finite", [](StationRecord& r) { r.frontLeft = 1.0 / 0.0; }, "frontLeft"},
};

TEST(StationFileWriter, RefusesWhatCannotBeReadBack) {
  for (const auto& c : kRefused) {
    SCOPED_TRACE(c.name);
    StationRecord r = sampleRecord();
    c.spoil(r);
    try {
      WriteStationBytes(r);
      ADD_FAILURE() << "written";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
    }
  }
}
