#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace {

TEST(ClockElements, PanelDigitsBellButtonsAndMenusStandAtTheirDesignPlaces) {
  TestWindow w;
  Tovarek2& m = *w.main;

  EXPECT_EQ(m.Picture38.rect.left, 6120);
  EXPECT_EQ(m.Picture38.rect.top, 5160);
  EXPECT_EQ(m.Picture38.backColour, 0x404040u);
  EXPECT_TRUE(m.Picture38.visible);
  EXPECT_EQ(m.AcumeByoLabel.rect.left, 960);
  EXPECT_EQ(m.AcumeByoLabel.font.family, "Quartz");
  EXPECT_EQ(m.AcumeFunLabel.foreColour, 0xC0C0C0u);
  EXPECT_EQ(m.Label6.text, ":");
  EXPECT_TRUE(m.Label1.font.bold);

  EXPECT_EQ(m.Picture2[3].rect.left, 7560);
  EXPECT_EQ(m.Picture2[3].rect.top, 3720);
  EXPECT_EQ(m.Picture2[0].toolTip, "発車ベルです");
  EXPECT_EQ(m.Command[4].rect.top, 480);  // Command5, board 2 start
  EXPECT_EQ(m.Command[7].rect.top, 900);  // Command8, board 3 stop

  const char* captions[] = {"ファイル", "乗り換え", "終了", "設定", "設定", "乗換実行"};
  const char* names[] = {"IDMFille", "IDMNew", "IDMExit", "IDMSet", "IDMSet2", "Chang"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(m.menu[i].name, names[i]);
    EXPECT_EQ(m.menu[i].caption, captions[i]);
  }
}

}  // namespace
