#include "gui/element_style.h"

#include <gtest/gtest.h>

#include <QFontInfo>

namespace {

TEST(ElementStyle, ColoursAreWrittenBlueGreenRed) {
  struct Case {
    const char* name;
    std::uint32_t bgr;
    int r, g, b;
  };
  const Case cases[] = {
      {"pure red", 0x0000FF, 255, 0, 0},
      {"pure blue", 0xFF0000, 0, 0, 255},
      {"the boards' dark grey", 0x404040, 64, 64, 64},
      {"the spare cells' pale yellow", 0xC0FFFF, 255, 255, 192},
      {"the window's back colour", 0xF0F0F0, 240, 240, 240},
      {"mixed", 0x123456, 0x56, 0x34, 0x12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QColor q = colourFromBgr(c.bgr);
    EXPECT_EQ(q.red(), c.r);
    EXPECT_EQ(q.green(), c.g);
    EXPECT_EQ(q.blue(), c.b);
    EXPECT_EQ(q.alpha(), 255);
  }
}

TEST(ElementStyle, TwipsBecomePixelsAtFifteenPerPixel) {
  struct Case {
    const char* name;
    int twips;
    int pixels;
  };
  const Case cases[] = {
      {"nothing", 0, 0},
      {"one pixel", 15, 1},
      {"just under a half", 7, 0},
      {"a half rounds up", 8, 1},
      {"the window", 13635, 909},
      {"the lower panel's top", 3279, 219},
      {"a title's width", 5055, 337},
      {"negative", -150, -10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(pixelsFromTwips(c.twips), c.pixels);
  }
  EXPECT_EQ(pixelRect(TwipRect{120, 480, 5055, 2055}), QRect(8, 32, 337, 137));
}

TEST(ElementStyle, LayoutFontsBecomeInstalledOnesAtNinetySixDots) {
  struct Case {
    const char* name;
    Font font;
    const char* family;
    int pixelSize;
    int weight;
  };
  const Case cases[] = {
      {"board cell", {"HGPｺﾞｼｯｸE", 18, false}, kGothicFamily, 24, QFont::Black},
      {"board title", {"HGPｺﾞｼｯｸE", 14.25, false}, kGothicFamily, 19, QFont::Black},
      {"clock digits", {"Quartz", 14.25, false}, kDigitalFamily, 19, QFont::Normal},
      {"board colon", {"Quartz", 15.75, true}, kDigitalFamily, 21, QFont::Bold},
      {"spare first cell", {"MS UI Gothic", 18, true}, kGothicFamily, 24, QFont::Bold},
      {"spare destination", {"ＭＳ Ｐゴシック", 15.75, true}, kGothicFamily, 21, QFont::Bold},
      {"start-up label", {"HG丸ｺﾞｼｯｸM-PRO", 15.75, true}, kGothicFamily, 21, QFont::Bold},
      {"small cell", {"", 9, false}, kGothicFamily, 12, QFont::Normal},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QFont f = fontFor(c.font);
    EXPECT_EQ(f.families().value(0), QString(c.family));
    EXPECT_EQ(f.pixelSize(), c.pixelSize);
    EXPECT_EQ(f.weight(), c.weight);
  }
}

TEST(ElementStyle, AlignmentFollowsTheElement) {
  EXPECT_TRUE(alignmentFor(Align::Right) & Qt::AlignRight);
  EXPECT_TRUE(alignmentFor(Align::Center) & Qt::AlignHCenter);
  EXPECT_TRUE(alignmentFor(Align::Left) & Qt::AlignLeft);
}

}  // namespace
