#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/fixtures.h"

namespace {

struct PlaceCase {
  const char* name;
  const ElementBase& (*element)(Tovarek2&);
  TwipRect rect;
  const char* parent;
};

#define ELEMENT(expr) [](Tovarek2& w) -> const ElementBase& { return w.expr; }

// A few elements of every array, at the places the window was drawn with.
const PlaceCase kPlaces[] = {
    {"lower panel", ELEMENT(Picture3), {0, 3279, 13680, 5295}, ""},
    {"board 1 title", ELEMENT(Text2[1]), {8400, 120, 5055, 390}, "Picture3"},
    {"board 2 panel", ELEMENT(Picture4[2]), {120, 3120, 5055, 2055}, "Picture3"},
    {"board 0 row 0 hour", ELEMENT(Text1[0]), {1900, 120, 400, 390}, "Picture4(0)"},
    {"board 0 row 3 first cell", ELEMENT(Text1[17]), {120, 1560, 495, 390}, "Picture4(0)"},
    {"board 1 row 2 first cell", ELEMENT(Text1[37]), {120, 1080, 495, 390}, "Picture4(1)"},
    {"board 1 row 0 minute", ELEMENT(Text1[31]), {2450, 120, 400, 390}, "Picture4(1)"},
    {"board 2 row 3 minute", ELEMENT(Text1[78]), {2450, 1560, 400, 390}, "Picture4(2)"},
    {"board 3 row 1 colon", ELEMENT(Text1[101]), {2270, 590, 195, 390}, "Picture4(3)"},
    {"board 1 row 2 行", ELEMENT(Text1[25]), {4680, 1200, 225, 255}, "Picture4(1)"},
    {"board 2 row 3 行", ELEMENT(Text1[64]), {4680, 1680, 225, 255}, "Picture4(2)"},
    {"board 0 row 2 destination", ELEMENT(Text3[2]), {3000, 1080, 1575, 390}, "Picture4(0)"},
    {"board 3 row 1 destination", ELEMENT(Text5[9]), {3000, 600, 1575, 405}, "Picture4(3)"},
    {"board 3 row 3 type cell", ELEMENT(Picture7[11]), {750, 1560, 1050, 390}, "Picture4(3)"},
    {"board 0 row 0 lower type strip", ELEMENT(Picture8[1]), {780, 310, 1000, 180}, "Picture4(0)"},
    {"board 0 row 0 lower first strip", ELEMENT(Picture9[1]), {150, 300, 430, 180}, "Picture4(0)"},
    {"board 0 row 0 upper minute strip",
     ELEMENT(Picture11[0]),
     {2450, 130, 375, 180},
     "Picture4(0)"},
    {"board 3 row 1 upper destination strip",
     ELEMENT(Picture12[26]),
     {3030, 620, 1520, 180},
     "Picture4(3)"},
    {"board 3 row 1 lower hour strip",
     ELEMENT(Picture10[27]),
     {1920, 800, 375, 180},
     "Picture4(3)"},
    {"board 0 spare type 0", ELEMENT(Picture5[4]), {600, 1440, 975, 375}, ""},
    {"board 1 spare type 1", ELEMENT(Picture5[13]), {8760, 1680, 975, 375}, ""},
    {"board 1 spare first cell 3", ELEMENT(Text1[40]), {8160, 1920, 375, 390}, ""},
    {"board 2 spare hour 0", ELEMENT(Text1[105]), {1800, 2280, 375, 390}, ""},
    {"board 2 spare minute 0", ELEMENT(Text1[104]), {2280, 2280, 375, 390}, ""},
    {"board 3 spare minute 1", ELEMENT(Text1[118]), {10320, 2520, 375, 390}, ""},
    {"board 0 spare destination 2", ELEMENT(Text3[6]), {2880, 1680, 735, 390}, ""},
    {"board 3 spare destination 2", ELEMENT(Text5[14]), {10920, 2640, 735, 405}, ""},
    {"small cell 0", ELEMENT(Text4[0]), {3960, 1560, 375, 375}, ""},
    {"small cell 7", ELEMENT(Text4[7]), {4320, 1800, 375, 375}, ""},
    {"bell panel 3", ELEMENT(Picture2[3]), {7560, 3720, 735, 1455}, "Picture3"},
    {"bell start of board 1", ELEMENT(Command[2]), {195, 480, 300, 300}, "Picture2(1)"},
    {"bell stop of board 2", ELEMENT(Command[5]), {195, 900, 300, 300}, "Picture2(2)"},
    {"clock panel", ELEMENT(Picture38), {6120, 5160, 1425, 690}, ""},
    {"clock minutes", ELEMENT(AcumeFunLabel), {480, 120, 315, 405}, "Picture38"},
    {"clock second colon", ELEMENT(Label6), {720, 120, 255, 315}, "Picture38"},
    {"front layer", ELEMENT(Picture1[1]), {0, 0, 13635, 8595}, ""},
    {"overlay 5 layer", ELEMENT(Picture1[10]), {0, 0, 24000, 8595}, ""},
};

TEST(BoardLayout, ElementsStandWhereTheWindowWasDrawn) {
  TestWindow t;
  for (const auto& c : kPlaces) {
    SCOPED_TRACE(c.name);
    const ElementBase& e = c.element(*t.main);
    EXPECT_EQ(e.rect.left, c.rect.left);
    EXPECT_EQ(e.rect.top, c.rect.top);
    EXPECT_EQ(e.rect.width, c.rect.width);
    EXPECT_EQ(e.rect.height, c.rect.height);
    EXPECT_EQ(e.parent, c.parent);
  }
}

struct LookCase {
  const char* name;
  const TextElement& (*element)(Tovarek2&);
  const char* family;
  double points;
  bool bold;
  std::uint32_t fore;
  std::uint32_t back;
  const char* text;
};

#define TEXT(expr) [](Tovarek2& w) -> const TextElement& { return w.expr; }

const LookCase kLooks[] = {
    {"board title", TEXT(Text2[0]), "HGPｺﾞｼｯｸE", 14.25, false, 0xFFFFFF, 0x404040, "発車ご案内"},
    {"row hour", TEXT(Text1[30]), "HGPｺﾞｼｯｸE", 18, false, 0xFFFFFF, 0x404040, ""},
    {"row colon", TEXT(Text1[3]), "Quartz", 15.75, true, 0xFFFFFF, 0x000000, ":"},
    {"row destination", TEXT(Text5[0]), "HGPｺﾞｼｯｸE", 15.75, false, 0xFFFFFF, 0x404040, ""},
    {"行", TEXT(Text1[96]), "MS UI Gothic", 9, false, 0xFFFFFF, 0x000000, "行"},
    {"spare hour", TEXT(Text1[48]), "Quartz", 18, true, 0xC0FFFF, 0x404040, ""},
    {"spare first cell", TEXT(Text1[124]), "MS UI Gothic", 18, true, 0xC0FFFF, 0x404040, ""},
    {"spare Text3", TEXT(Text3[12]), "ＭＳ Ｐゴシック", 15.75, true, 0xC0FFFF, 0x404040, ""},
    {"spare Text5", TEXT(Text5[4]), "HGPｺﾞｼｯｸE", 15.75, false, 0xFFFFFF, 0x404040, ""},
    {"clock digits", TEXT(AcumeJiLabel), "Quartz", 14.25, false, 0xC0C0C0, 0x404040, ""},
    {"clock colon", TEXT(Label1), "ＭＳ Ｐゴシック", 15.75, true, 0xE0E0E0, 0x404040, ":"},
};

TEST(BoardLayout, CellsHaveTheirFontsColoursAndFixedTexts) {
  TestWindow t;
  for (const auto& c : kLooks) {
    SCOPED_TRACE(c.name);
    const TextElement& e = c.element(*t.main);
    EXPECT_EQ(e.font.family, c.family);
    EXPECT_DOUBLE_EQ(e.font.points, c.points);
    EXPECT_EQ(e.font.bold, c.bold);
    EXPECT_EQ(e.foreColour, c.fore);
    EXPECT_EQ(e.backColour, c.back);
    EXPECT_EQ(e.text, c.text);
  }
  EXPECT_EQ(t.main->Text2[3].align, Align::Right);
  EXPECT_EQ(t.main->Text2[3].toolTip, "案内板です");
  EXPECT_EQ(t.main->Picture2[2].toolTip, "発車ベルです");
}

// Every one of the 128 Text1 elements has exactly one role, and only the colons and "行"
// carry a text before a station is loaded.
TEST(BoardLayout, EveryText1ElementHasOneRole) {
  TestWindow t;
  Tovarek2& w = *t.main;
  std::vector<const TextElement*> roles;
  for (int b = 0; b < 4; ++b)
    for (int r = 0; r < 4; ++r) {
      roles.push_back(&w.hourCell(b, r));
      roles.push_back(&w.minuteCell(b, r));
      roles.push_back(&w.firstCell(b, r));
      roles.push_back(&w.colonCell(b, r));
      roles.push_back(&w.rowLabelCell(b, r));
    }
  for (int i = 0; i < 4; ++i)
    for (int e : {4 + 5 * i, 48 + 2 * i, 49 + 2 * i, 28 + 4 * i, 56 + 2 * i, 57 + 2 * i, 112 + i,
                  105 + 2 * i, 104 + 2 * i, 124 + i, 117 + 2 * i, 116 + 2 * i})
      roles.push_back(&w.Text1[e]);
  const std::set<const TextElement*> distinct(roles.begin(), roles.end());
  EXPECT_EQ(roles.size(), 128u);
  EXPECT_EQ(distinct.size(), 128u);

  int colons = 0, labels = 0, others = 0;
  for (const auto& e : w.Text1) {
    if (e.text == ":")
      ++colons;
    else if (e.text == "行")
      ++labels;
    else if (!e.text.empty())
      ++others;
  }
  EXPECT_EQ(colons, 16);
  EXPECT_EQ(labels, 16);
  EXPECT_EQ(others, 0);
  for (const auto& e : w.Text3) EXPECT_EQ(e.text, "");
  for (const auto& e : w.Text4) EXPECT_EQ(e.text, "");
  EXPECT_EQ(w.AcumeByoLabel.text, "");
}

TEST(BoardLayout, LayersAndStripsStartHidden) {
  TestWindow t;
  Tovarek2& w = *t.main;
  for (const auto& e : w.Picture1) EXPECT_FALSE(e.visible);
  for (auto* strips : {&w.Picture8, &w.Picture9, &w.Picture10, &w.Picture11, &w.Picture12})
    for (const auto& s : *strips) {
      EXPECT_FALSE(s.visible);
      EXPECT_EQ(s.backColour, 0x404040u);
    }
  EXPECT_TRUE(w.Picture38.visible);
  EXPECT_TRUE(w.Picture5[15].visible);
  EXPECT_TRUE(w.Text1[127].visible);
}

// The layers given a size show their bitmap at the top left, the rest in the back colour;
// the others are their bitmap.
TEST(BoardLayout, SizedLayersHaveSurfacesOfTheirSize) {
  struct Case {
    int element;
    int width, height;
  };
  const Case cases[] = {{1, 909, 573},  {2, 909, 573},  {7, 909, 573},  {8, 909, 573},
                        {39, 909, 573}, {40, 909, 573}, {9, 1600, 573}, {10, 1600, 573}};
  TestWindow t;
  auto bitmap = std::make_shared<Surface>(3, 2, 0x123456);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.element);
    PictureElement& e = t.main->Picture1[c.element];
    e.setPicture("駅素材/a.bmp", bitmap);
    ASSERT_TRUE(e.surface);
    EXPECT_EQ(e.surface->width, c.width);
    EXPECT_EQ(e.surface->height, c.height);
    EXPECT_EQ(e.surface->at(2, 1), 0x123456u);
    EXPECT_EQ(e.surface->at(3, 1), 0xF0F0F0u);
    EXPECT_EQ(e.surface->at(2, 2), 0xF0F0F0u);
  }
  PictureElement& train = t.main->Picture1[trainPictureElement(5)];
  train.setPicture("駅素材/t.bmp", bitmap);
  EXPECT_EQ(train.surface, bitmap);
}

TEST(BoardLayout, MenusAndBellPanels) {
  TestWindow t;
  Tovarek2& w = *t.main;
  struct Menu {
    const char* name;
    const char* caption;
    const char* parent;
  };
  const Menu expected[] = {{"IDMFille", "ファイル", ""},    {"IDMNew", "乗り換え", "IDMFille"},
                           {"IDMExit", "終了", "IDMFille"}, {"IDMSet", "設定", ""},
                           {"IDMSet2", "設定", "IDMSet"},   {"Chang", "乗換実行", "IDMSet"}};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(w.menu[i].name, expected[i].name);
    EXPECT_EQ(w.menu[i].caption, expected[i].caption);
    EXPECT_EQ(w.menu[i].parent, expected[i].parent);
  }
  for (const auto& panel : w.Picture2) {
    ASSERT_TRUE(panel.picture);
    EXPECT_EQ(panel.picture, w.Picture2[0].picture);  // one bell picture for all four
    EXPECT_EQ(panel.picture->width, 45);
    EXPECT_EQ(panel.picture->height, 93);
  }
  for (int b = 0; b < 4; ++b) {
    EXPECT_EQ(w.Command[2 * b].imageName, "bellStart");
    EXPECT_EQ(w.Command[2 * b + 1].imageName, "bellStop");
  }
}

}  // namespace
