#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/fixtures.h"

namespace {

// Every type and destination source shows something of its own: source n of the first
// pair reads "a<n>", of the second "b<n>".
struct RollingWindow : TestWindow {
  std::vector<std::shared_ptr<const Surface>> pictures;
  RollingWindow() {
    for (int n = 0; n < 16; ++n) {
      main->Text3[n].setText("a" + std::to_string(n));
      main->Text5[n].setText("b" + std::to_string(n));
      auto first = std::make_shared<Surface>(1, 1, 0x100 + n);
      auto second = std::make_shared<Surface>(1, 1, 0x200 + n);
      main->Picture5[n].setPicture("駅素材/a" + std::to_string(n) + ".bmp", first);
      main->Picture7[n].setPicture("駅素材/b" + std::to_string(n) + ".bmp", second);
      pictures.push_back(first);
      pictures.push_back(second);
    }
  }
};

TEST(AnimateRow, FirstCallShowsSourceZeroAndZeros) {
  struct Case {
    int b, r;
    const char* destination;
    std::uint32_t colour;
  };
  const Case cases[] = {
      {0, 2, "a0", 0x100}, {1, 0, "a0", 0x100}, {2, 1, "b0", 0x200}, {3, 3, "b0", 0x200}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "board " << c.b << " row " << c.r);
    RollingWindow t;
    Tovarek2& w = *t.main;
    w.AnimateRow(c.b, c.r);
    EXPECT_EQ(w.destinationCell(c.b, c.r).text, c.destination);
    ASSERT_TRUE(w.typeCell(c.b, c.r).picture);
    EXPECT_EQ(w.typeCell(c.b, c.r).picture->at(0, 0), c.colour);
    EXPECT_EQ(w.hourCell(c.b, c.r).text, "00");
    EXPECT_EQ(w.minuteCell(c.b, c.r).text, "00");
    EXPECT_EQ(w.firstCell(c.b, c.r).text, "0");
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(w.coverStrip(c.b, c.r, i).visible);  // 0.7
    EXPECT_DOUBLE_EQ(w.flaps[4 * c.b + c.r].blinkPhase[9], 0.7);
  }
}

TEST(AnimateRow, TakesOverTheSourcesBitmapWithoutACopy) {
  RollingWindow t;
  Tovarek2& w = *t.main;
  w.flaps[4 * 1 + 2].typeCursor = 3;  // board 1 row 2 copies board 0's row 3
  w.AnimateRow(1, 2);
  EXPECT_EQ(w.Picture5[10].picture, w.Picture5[3].picture);
  EXPECT_EQ(w.Picture5[10].picturePath, "駅素材/a3.bmp");
}

// A cursor stays three calls on source 0, five on each of 1 to 14 and three on 15: 76 calls
// a cycle. Where the source is the rolling cell itself, the cell keeps what it showed.
TEST(AnimateRow, CursorsRunThroughTheSixteenSources) {
  RollingWindow t;
  Tovarek2& w = *t.main;
  const int b = 3, r = 1;  // its own destination cell is source 9
  std::vector<int> sources;
  for (int n = 0; n < 16; ++n)
    for (int i = 0; i < (n == 0 || n == 15 ? 3 : 5); ++i) sources.push_back(n);
  sources.push_back(0);  // the next cycle begins
  std::string previous = w.destinationCell(b, r).text;
  for (std::size_t call = 0; call < sources.size(); ++call) {
    SCOPED_TRACE(call);
    if (call == 75) {
      EXPECT_EQ(w.flaps[4 * b + r].destinationCursor, 14.999999999999979);
    }
    w.AnimateRow(b, r);
    const int n = sources[call];
    const std::string expected = n == 9 ? previous : "b" + std::to_string(n);
    EXPECT_EQ(w.destinationCell(b, r).text, expected);
    if (n != 9) {
      EXPECT_EQ(w.typeCell(b, r).picture->at(0, 0), 0x200u + n);
    }
    previous = w.destinationCell(b, r).text;
  }
  EXPECT_DOUBLE_EQ(w.flaps[4 * b + r].typeCursor, 0.2);
}

TEST(AnimateRow, CursorReachesTheLastSourceAndStartsAgain) {
  struct Case {
    const char* name;
    double cursor;
    const char* shown;
    double after;
  };
  const Case cases[] = {
      {"below the middle of 14 and 15", 14.4, "a14", 14.6},
      {"from 14.6 the last source", 14.6, "a15", 14.799999999999999},
      {"just below 15 the cursor is not yet reset", 14.79, "a15", 14.99},
      {"at 15 or more the cursor starts again", 14.9, "a15", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RollingWindow t;
    t.main->flaps[4 * 0 + 1].destinationCursor = c.cursor;
    t.main->AnimateRow(0, 1);
    EXPECT_EQ(t.main->Text3[1].text, c.shown);
    EXPECT_DOUBLE_EQ(t.main->flaps[1].destinationCursor, c.after);
  }
}

// What the upper and lower strips of a row show call after call, from all hidden.
TEST(AnimateRow, StripsFlickerInAFiveCallCycle) {
  struct Step {
    double phase;
    bool upper, lower;  // ordinary rows; board 0 row 0 shows the opposite once set
  };
  const Step steps[] = {
      {0.7, false, false},
      {1.4, false, true},
      {2.0999999999999996, true, false},
      {2.8, true, false},
      {0, true, false},
      {0.7, true, false},
      {1.4, false, true},
      {2.0999999999999996, true, false},
  };
  struct Row {
    int b, r;
    bool opposite;
  };
  for (const Row row : {Row{1, 2, false}, Row{0, 1, false}, Row{3, 0, false}, Row{0, 0, true}}) {
    SCOPED_TRACE(testing::Message() << "board " << row.b << " row " << row.r);
    RollingWindow t;
    Tovarek2& w = *t.main;
    bool touched = false;
    for (const Step& s : steps) {
      w.AnimateRow(row.b, row.r);
      touched = touched || s.phase >= 1;
      EXPECT_EQ(w.flaps[4 * row.b + row.r].blinkPhase[0], s.phase);
      for (int i = 0; i < 10; ++i) {
        const bool upper = i % 2 == 0;
        bool expected = upper ? s.upper : s.lower;
        if (row.opposite && touched) expected = !expected;
        EXPECT_EQ(w.coverStrip(row.b, row.r, i).visible, expected) << "strip " << i;
      }
    }
    // The strips of the other rows are never touched.
    for (int r = 0; r < 4; ++r)
      for (int i = 0; r != row.r && i < 10; ++i) {
        EXPECT_FALSE(w.coverStrip(row.b, r, i).visible);
      }
  }
}

// The hour cell counts 00 to 24, the minute cell 00 to 60, the first cell 0 to 15, each
// value about five calls, then from the start again.
TEST(AnimateRow, NumbersCountUpAndStartAgain) {
  struct Case {
    const char* name;
    TextElement& (Tovarek2::*cell)(int, int);
    int last;
    int digits;
  };
  const Case cases[] = {{"hour", &Tovarek2::hourCell, 24, 2},
                        {"minute", &Tovarek2::minuteCell, 60, 2},
                        {"first cell", &Tovarek2::firstCell, 15, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RollingWindow t;
    Tovarek2& w = *t.main;
    std::vector<std::string> values;  // each value once, in the order shown
    std::vector<int> lengths;
    for (int call = 0; call < 5 * (c.last + 2); ++call) {
      w.AnimateRow(2, 2);
      const std::string& text = (w.*c.cell)(2, 2).text;
      if (values.empty() || values.back() != text) {
        values.push_back(text);
        lengths.push_back(0);
      }
      ++lengths.back();
    }
    ASSERT_GE(values.size(), static_cast<std::size_t>(c.last + 2));
    for (int v = 0; v <= c.last; ++v) {
      std::string expected = std::to_string(v);
      if (static_cast<int>(expected.size()) < c.digits) expected.insert(0, "0");
      EXPECT_EQ(values[v], expected);
      if (v > 0 && v < c.last) {
        EXPECT_EQ(lengths[v], 5) << values[v];
      }
    }
    EXPECT_EQ(values[c.last + 1], c.digits == 2 ? "00" : "0");
    EXPECT_EQ(lengths[0], 3);  // 0, 0.2 and 0.4 show as zero
  }
}

TEST(AnimateRow, AStateIsKeptAcrossPlacements) {
  RollingWindow t;
  Tovarek2& w = *t.main;
  for (int i = 0; i < 7; ++i) w.AnimateRow(2, 0);
  w.PlaceRow(2, 0, 17);
  const RowFlapState before = w.flaps[8];
  w.AnimateRow(2, 0);
  EXPECT_DOUBLE_EQ(w.flaps[8].typeCursor, before.typeCursor + 0.2);
  EXPECT_DOUBLE_EQ(w.flaps[8].hourRoll, before.hourRoll + 0.2);
  EXPECT_EQ(w.Text5[0].text, "b1");  // seven steps of 0.2 later the cursor stands at 1.4
}

}  // namespace
