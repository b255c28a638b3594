#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "boards/whole_number.h"
#include "support/fixtures.h"

namespace {

// A timetable in which every train can be told apart on the boards: train k leaves at
// k:(59 - k), its first cell reads "f<k>", its destination "d<k>", its type picture is
// "type<k>" (a 1 x 1 bitmap of colour k + 1).
struct BoardWindow : TestWindow {
  BoardWindow() {
    for (int k = 0; k < kTrainCount; ++k) {
      TrainEntry& t = main->record.trains[k];
      t.departureTime = {static_cast<double>(k), static_cast<double>(59 - k), 30};
      t.rowText = "f" + std::to_string(k);
      t.destination = "d" + std::to_string(k);
      t.rowPictureName = "type" + std::to_string(k);
      main->trainBitmaps[k].row =
          std::make_shared<Surface>(1, 1, static_cast<std::uint32_t>(k + 1));
    }
  }
  // Which train a row shows, read from its first cell.
  std::string shown(int b, int r) { return main->firstCell(b, r).text; }
};

TEST(WholeNumber, FormatsLikeTheBoards) {
  struct Case {
    const char* name;
    double value;
    int digits;
    const char* text;
  };
  const Case cases[] = {
      {"a single digit gets a leading zero", 7, 2, "07"},
      {"zero", 0, 2, "00"},
      {"two digits", 23, 2, "23"},
      {"more digits than the format", 123, 2, "123"},
      {"a fraction rounds to the nearest", 6.6, 2, "07"},
      {"a half rounds away from zero", 2.5, 2, "03"},
      {"just below a half", 2.4999999999999996, 2, "02"},
      {"negative", -7, 2, "-07"},
      {"a negative that rounds to zero", -0.3, 2, "00"},
      {"one digit", 0, 1, "0"},
      {"fifteen", 15, 1, "15"},
      {"a roll just below a whole", 14.999999999999979, 1, "15"},
      {"not a number shows nothing", std::nan(""), 2, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(formatWhole(c.value, c.digits), c.text);
  }
  EXPECT_EQ(formatWhole(1e300, 2).size(), 301u);
  EXPECT_EQ(formatWhole(std::numeric_limits<double>::infinity(), 2), "inf");
}

TEST(PlaceRow, WritesTheTrainAndHidesTheRowsStrips) {
  BoardWindow t;
  Tovarek2& w = *t.main;
  for (int b = 0; b < 4; ++b)
    for (int r = 0; r < 4; ++r)
      for (int i = 0; i < 10; ++i) w.coverStrip(b, r, i).setVisible(true);

  w.PlaceRow(1, 2, 13);
  EXPECT_EQ(w.Text1[38].text, "13");  // board 1 row 2 hour
  EXPECT_EQ(w.Text1[39].text, "46");  // minute
  EXPECT_EQ(w.Text1[37].text, "f13");
  EXPECT_EQ(w.Text3[10].text, "d13");
  EXPECT_EQ(w.Picture5[10].picture, w.trainBitmaps[13].row);
  EXPECT_EQ(w.Picture5[10].picturePath, "駅素材/type13.bmp");
  for (auto* strips : {&w.Picture8, &w.Picture9, &w.Picture10, &w.Picture11, &w.Picture12}) {
    EXPECT_FALSE((*strips)[12].visible);
    EXPECT_FALSE((*strips)[13].visible);
    EXPECT_TRUE((*strips)[11].visible);  // row 1's lower strip is left alone
    EXPECT_TRUE((*strips)[14].visible);  // row 3's upper strip
  }

  // The same placement again, as on every pass of the placement second, changes nothing.
  const auto revision = w.Picture5[10].revision + w.Text1[38].revision + w.Picture8[12].revision;
  w.PlaceRow(1, 2, 13);
  EXPECT_EQ(w.Picture5[10].revision + w.Text1[38].revision + w.Picture8[12].revision, revision);
}

TEST(PlaceRow, FindsTheTypePictureByPathWhenTheTrainHasNone) {
  BoardWindow t;
  Tovarek2& w = *t.main;
  auto bitmap = std::make_shared<Surface>(2, 1, 0xABCDEF);
  w.trainBitmaps[20].row.reset();
  w.bitmaps["駅素材/type20.bmp"] = bitmap;
  w.PlaceRow(2, 0, 20);
  EXPECT_EQ(w.Picture7[0].picture, bitmap);
  EXPECT_EQ(w.Text5[0].text, "d20");
  EXPECT_EQ(w.Text1[70].text, "20");
  EXPECT_EQ(w.Text1[69].text, "39");
}

TEST(FillBoard, WritesTheFourTrainsAfterThePlaceAroundTheRing) {
  struct Case {
    const char* name;
    int b, j;
    int trains[4];
  };
  const Case cases[] = {
      {"after a board's last train its first four", 0, 7, {0, 1, 2, 3}},
      {"after place 4 the ring wraps", 0, 4, {5, 6, 7, 0}},
      {"board 3 wraps to train 24", 3, 5, {30, 31, 24, 25}},
      {"board 1 from its first place", 1, 0, {9, 10, 11, 12}},
      {"board 2 in the middle", 2, 2, {19, 20, 21, 22}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BoardWindow t;
    t.main->coverStrip(c.b, 1, 3).setVisible(true);
    t.main->FillBoard(c.b, c.j);
    for (int r = 0; r < 4; ++r) {
      const int k = c.trains[r];
      EXPECT_EQ(t.shown(c.b, r), "f" + std::to_string(k));
      EXPECT_EQ(t.main->destinationCell(c.b, r).text, "d" + std::to_string(k));
      EXPECT_EQ(t.main->hourCell(c.b, r).text, formatWhole(k, 2));
      EXPECT_EQ(t.main->typeCell(c.b, r).picture, t.main->trainBitmaps[k].row);
    }
    EXPECT_TRUE(t.main->coverStrip(c.b, 1, 3).visible);  // the strips are left alone
  }
}

// The load's direct writes, cell by cell, as the window was wired.
TEST(WriteBoardTexts, EveryTrainLandsInItsCells) {
  struct Cells {
    int hour, minute, first;
    int destination;  // in Text3 for trains 0-15, Text5 for 16-31
  };
  const Cells cells[32] = {
      {0, 1, 2, 0},        {5, 6, 7, 1},        {10, 11, 12, 2},     {15, 16, 17, 3},
      {48, 49, 4, 4},      {50, 51, 9, 5},      {52, 53, 14, 6},     {54, 55, 19, 7},
      {30, 31, 29, 8},     {34, 35, 33, 9},     {38, 39, 37, 10},    {42, 43, 41, 11},
      {56, 57, 28, 12},    {58, 59, 32, 13},    {60, 61, 36, 14},    {62, 63, 40, 15},
      {70, 69, 68, 0},     {73, 72, 71, 1},     {76, 75, 74, 2},     {79, 78, 77, 3},
      {105, 104, 112, 4},  {107, 106, 113, 5},  {109, 108, 114, 6},  {111, 110, 115, 7},
      {85, 84, 86, 8},     {88, 87, 89, 9},     {91, 90, 92, 10},    {94, 93, 95, 11},
      {117, 116, 124, 12}, {119, 118, 125, 13}, {121, 120, 126, 14}, {123, 122, 127, 15},
  };
  BoardWindow t;
  Tovarek2& w = *t.main;
  for (int b = 0; b < 4; ++b) w.record.boardTitle[b] = "title" + std::to_string(b);
  w.WriteBoardTexts();
  for (int k = 0; k < 32; ++k) {
    SCOPED_TRACE(k);
    const Cells& c = cells[k];
    EXPECT_EQ(w.Text1[c.hour].text, formatWhole(k, 2));
    EXPECT_EQ(w.Text1[c.minute].text, formatWhole(59 - k, 2));
    EXPECT_EQ(w.Text1[c.first].text, "f" + std::to_string(k));
    EXPECT_EQ((k < 16 ? w.Text3 : w.Text5)[c.destination].text, "d" + std::to_string(k));
    EXPECT_EQ(w.Text4[k].text, k < 8 ? "d" + std::to_string(k) : "");
  }
  EXPECT_EQ(w.Text2[2].text, "title2");
  // The colons and "行" keep their texts.
  EXPECT_EQ(w.Text1[83].text, ":");
  EXPECT_EQ(w.Text1[99].text, "行");
}

TEST(SetBoardPictures, TypeCellsShowTrainsOfTheirPair) {
  BoardWindow t;
  t.main->SetBoardPictures();
  for (int j = 0; j < 16; ++j) {
    EXPECT_EQ(t.main->Picture5[j].picture, t.main->trainBitmaps[j].row);
    EXPECT_EQ(t.main->Picture7[j].picture, t.main->trainBitmaps[16 + j].row);
  }
  EXPECT_EQ(t.main->Picture7[3].picturePath, "駅素材/type19.bmp");
}

// Board 0 leaves at 8:00, 8:10, ... 9:10 (the seconds do not count); board 1 all at 23:00.
TEST(SetBoardsForTime, BoardStandsAfterTheTrainThatLeftAMinuteAgo) {
  struct Case {
    const char* name;
    double h, m;
    const char* row0;  // what board 0's top row shows afterwards
  };
  const Case cases[] = {
      {"before the first departure", 7, 0, "f0"},
      {"within the minute after the first departure", 8, 0.5, "f0"},
      {"a minute after the first departure", 8, 1, "f1"},
      {"at the next train's minute, inclusive", 8, 10, "f1"},
      {"a minute after the second", 8, 11, "f2"},
      {"at the last train's minute", 9, 10, "f7"},
      {"a minute after the last train", 9, 11, "f0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BoardWindow t;
    Tovarek2& w = *t.main;
    for (int j = 0; j < 8; ++j) {
      const int minutes = 8 * 60 + 10 * j;
      w.record.trains[j].departureTime = {minutes / 60.0 >= 9 ? 9.0 : 8.0,
                                          static_cast<double>(minutes % 60), 45};
      w.record.trains[8 + j].departureTime = {23, 0, 0};
    }
    w.WriteBoardTexts();
    w.SetBoardsForTime(c.h * 3600 + c.m * 60);
    EXPECT_EQ(t.shown(0, 0), c.row0);
    EXPECT_EQ(t.shown(1, 0), "f8");  // no place of board 1 matches at these times
  }
}

TEST(SetBoardsForTime, WhenSeveralPlacesMatchTheLastDecides) {
  BoardWindow t;
  Tovarek2& w = *t.main;
  // Out of order: trains 2 and 5 both left long ago and their successors leave late.
  for (int j = 0; j < 8; ++j) w.record.trains[j].departureTime = {20, 0, 0};
  w.record.trains[2].departureTime = {6, 0, 0};
  w.record.trains[5].departureTime = {7, 0, 0};
  w.WriteBoardTexts();
  w.SetBoardsForTime(12 * 3600);
  EXPECT_EQ(t.shown(0, 0), "f6");
  EXPECT_EQ(t.shown(0, 3), "f1");
}

}  // namespace
