#include "station/tovarek2.h"

void Tovarek2::createClockElements() {
  // The digital clock panel stands in the middle column between the boards.
  Picture38.rect = {6120, 5160, 1425, 690};
  Picture38.backColour = 0x404040;
  Picture38.border = false;
  Picture38.setVisible(true);

  const Font digits{"Quartz", 14.25, false};
  const Font colon{"ＭＳ Ｐゴシック", 15.75, true};
  struct Place {
    LabelElement* label;
    TwipRect rect;
    const Font* font;
    std::uint32_t foreColour;
    const char* text;
  };
  const Place places[] = {
      {&AcumeJiLabel, {0, 120, 375, 405}, &digits, 0xC0C0C0, ""},
      {&Label1, {240, 120, 375, 375}, &colon, 0xE0E0E0, ":"},
      {&AcumeFunLabel, {480, 120, 315, 405}, &digits, 0xC0C0C0, ""},
      {&Label6, {720, 120, 255, 315}, &colon, 0xE0E0E0, ":"},
      {&AcumeByoLabel, {960, 120, 345, 405}, &digits, 0xC0C0C0, ""},
  };
  for (const Place& p : places) {
    p.label->rect = p.rect;
    p.label->font = *p.font;
    p.label->foreColour = p.foreColour;
    p.label->backColour = 0x404040;
    p.label->setText(p.text);
  }

  // A bell panel beside each board, start button above, stop button below.
  const TwipRect panels[kBoardCount] = {
      {5280, 1080, 735, 1455},
      {7560, 1080, 735, 1455},
      {5280, 3720, 735, 1455},
      {7560, 3720, 735, 1455},
  };
  for (int b = 0; b < kBoardCount; ++b) {
    Picture2[b].rect = panels[b];
    Picture2[b].toolTip = "発車ベルです";
    Command[2 * b].rect = {195, 480, 300, 300};
    Command[2 * b].imageName = "bellStart";
    Command[2 * b + 1].rect = {195, 900, 300, 300};
    Command[2 * b + 1].imageName = "bellStop";
  }

  menu = {{{"IDMFille", "ファイル"},
           {"IDMNew", "乗り換え"},
           {"IDMExit", "終了"},
           {"IDMSet", "設定"},
           {"IDMSet2", "設定"},
           {"Chang", "乗換実行"}}};
}
