#include "platform/elements.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

std::shared_ptr<const Surface> bitmap(int w, int h, std::uint32_t base) {
  auto s = std::make_shared<Surface>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s->row(y)[x] = base + static_cast<std::uint32_t>(y * 16 + x);
  return s;
}

TEST(TextElement, RevisionMovesOnlyWhenTheTextChanges) {
  struct Case {
    const char* name;
    std::string initial;
    std::string next;
    bool moves;
  };
  const std::vector<Case> cases = {
      {"same text", "12:34", "12:34", false},
      {"both empty", "", "", false},
      {"different text", "12:34", "12:35", true},
      {"to empty", "abc", "", true},
      {"from empty", "", "abc", true},
      {"longer", "ab", "abc", true},
      {"same UTF-8", "乗り換え", "乗り換え", false},
      {"different UTF-8", "乗り換え", "発車", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TextElement e;
    e.setText(c.initial);
    const std::uint64_t before = e.revision;
    e.setText(c.next);
    EXPECT_EQ(e.text, c.next);
    EXPECT_EQ(e.revision, before + (c.moves ? 1 : 0));
  }
}

TEST(TextElement, RepeatedSetsCountOnlyChanges) {
  TextElement e;
  const std::vector<std::string> texts = {"a", "a", "b", "b", "b", "a", "", ""};
  for (const auto& t : texts) e.setText(t);
  EXPECT_EQ(e.revision, 4u);  // "a", "b", "a", ""
  EXPECT_EQ(e.text, "");
}

TEST(ElementBase, SetVisibleMovesRevisionOnlyOnChange) {
  struct Case {
    const char* name;
    bool initial, next, moves;
  };
  const std::vector<Case> cases = {
      {"stay visible", true, true, false},
      {"hide", true, false, true},
      {"show", false, true, true},
      {"stay hidden", false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TextElement e;
    e.visible = c.initial;
    e.setVisible(c.next);
    EXPECT_EQ(e.visible, c.next);
    EXPECT_EQ(e.revision, c.moves ? 1u : 0u);
  }
}

TEST(PictureElement, SetPictureCostsNothingForTheSameBitmapAndIgnoresNull) {
  const auto a = bitmap(2, 2, 0x100);
  const auto b = bitmap(2, 2, 0x200);
  struct Case {
    const char* name;
    std::shared_ptr<const Surface> first;
    std::shared_ptr<const Surface> second;
    std::string secondPath;
    std::shared_ptr<const Surface> wantPicture;
    std::string wantPath;
    std::uint64_t wantRevision;
  };
  const std::vector<Case> cases = {
      {"same bitmap again", a, a, "a.bmp", a, "a.bmp", 1},
      {"another bitmap", a, b, "b.bmp", b, "b.bmp", 2},
      {"null after a bitmap", a, nullptr, "missing.bmp", a, "a.bmp", 1},
      {"null on an empty element", nullptr, nullptr, "missing.bmp", nullptr, "", 0},
      {"bitmap after null", nullptr, b, "b.bmp", b, "b.bmp", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PictureElement e;
    e.setPicture(c.first ? "a.bmp" : "missing.bmp", c.first);
    e.setPicture(c.secondPath, c.second);
    EXPECT_EQ(e.picture, c.wantPicture);
    EXPECT_EQ(e.surface, c.wantPicture);  // unsized: the surface is the bitmap itself
    EXPECT_EQ(e.picturePath, c.wantPath);
    EXPECT_EQ(e.revision, c.wantRevision);
  }
}

TEST(PictureElement, TakeOverSharesTheOtherElementsBitmap) {
  struct Case {
    const char* name;
    bool targetAlreadyShowsIt;
    std::uint64_t wantRevision;
  };
  const std::vector<Case> cases = {
      {"different picture before", false, 2},
      {"same picture before", true, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto shown = bitmap(3, 2, 0x300);
    PictureElement source;
    source.setPicture("signal/red.bmp", shown);
    PictureElement target;
    target.setPicture("x.bmp", c.targetAlreadyShowsIt ? shown : bitmap(1, 1, 0));
    target.takeOver(source);
    EXPECT_EQ(target.picture, shown);
    EXPECT_EQ(target.surface, shown);
    EXPECT_EQ(target.revision, c.wantRevision);
  }
}

TEST(PictureElement, SizedSurfaceHoldsTheClippedBitmapOnTheBackColour) {
  struct Case {
    const char* name;
    int bw, bh;          // bitmap size; 0 = no bitmap
    int w, h;            // element size
    std::uint32_t back;  // 0xBBGGRR
    bool sizeFirst;
  };
  const std::vector<Case> cases = {
      {"bitmap smaller", 2, 1, 4, 3, 0x123456, false},
      {"bitmap larger", 6, 5, 4, 3, 0xF0F0F0, false},
      {"bitmap same size", 4, 3, 4, 3, 0x0000FF, false},
      {"bitmap wider only", 6, 1, 4, 3, 0xFF0000, false},
      {"bitmap taller only", 1, 5, 4, 3, 0x00FF00, false},
      {"size before the picture", 2, 2, 4, 3, 0xABCDEF, true},
      {"no bitmap", 0, 0, 4, 3, 0x102030, false},
      {"one pixel element", 3, 3, 1, 1, 0x000000, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PictureElement e;
    e.backColour = c.back;
    const auto bmp = c.bw > 0 ? bitmap(c.bw, c.bh, 0x00AA0000) : nullptr;
    if (c.sizeFirst) e.setSize(c.w, c.h);
    if (bmp) e.setPicture("p.bmp", bmp);
    if (!c.sizeFirst) e.setSize(c.w, c.h);
    ASSERT_NE(e.surface, nullptr);
    EXPECT_EQ(e.picture, bmp);
    EXPECT_EQ(e.sizedWidth, c.w);
    EXPECT_EQ(e.sizedHeight, c.h);
    const Surface& s = *e.surface;
    ASSERT_EQ(s.width, c.w);
    ASSERT_EQ(s.height, c.h);
    for (int y = 0; y < c.h; ++y) {
      for (int x = 0; x < c.w; ++x) {
        const bool fromBitmap = x < c.bw && y < c.bh;
        const std::uint32_t want = fromBitmap ? bmp->at(x, y) : rgbFromBgr(c.back);
        EXPECT_EQ(s.at(x, y), want) << "pixel (" << x << ", " << y << ")";
      }
    }
  }
}

TEST(PictureElement, UnsizingShowsTheBitmapItself) {
  struct Case {
    const char* name;
    int w, h;
  };
  const std::vector<Case> cases = {
      {"zero size", 0, 0},
      {"zero width", 0, 3},
      {"zero height", 4, 0},
      {"negative size", -4, -3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto bmp = bitmap(2, 2, 0x500);
    PictureElement e;
    e.setPicture("p.bmp", bmp);
    e.setSize(4, 3);
    ASSERT_NE(e.surface, bmp);
    const std::uint64_t before = e.revision;
    e.setSize(c.w, c.h);
    EXPECT_EQ(e.surface, bmp);
    EXPECT_GE(e.sizedWidth, 0);
    EXPECT_GE(e.sizedHeight, 0);
    EXPECT_GT(e.revision, before);
  }
}

}  // namespace
