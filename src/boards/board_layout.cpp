// The main window at its design size: every element with its place (twips, relative to its
// parent), font, colours and fixed text, and the element numbers of the board cells.
#include <memory>
#include <string>

#include "station/tovarek2.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;  // 0xBBGGRR
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kDarkGrey = 0x404040;      // RGB(64, 64, 64): boards and strips
constexpr std::uint32_t kPaleYellow = 0xC0FFFF;    // the spare cells' text
constexpr std::uint32_t kAppWorkspace = 0xABABAB;  // the lower panel's system colour
constexpr std::uint32_t kClockDigits = 0xC0C0C0;
constexpr std::uint32_t kClockColon = 0xE0E0E0;

const char* const kBoardFont = "HGPｺﾞｼｯｸE";
const char* const kDigitFont = "Quartz";

constexpr int kRowPitchTwips = 480;  // board rows stand 480 twips apart
constexpr int kFirstRowTwips = 120;
constexpr int kStripHeightTwips = 180;

// The window's inside, and the track picture, in twips.
constexpr int kInsideWidthTwips = Tovarek2::kInsideWidth * kTwipsPerPixel;
constexpr int kInsideHeightTwips = Tovarek2::kInsideHeight * kTwipsPerPixel;
constexpr int kTrackWidthTwips = Tovarek2::kTrackWidth * kTwipsPerPixel;

std::string indexed(const char* array, int element) {
  return std::string(array) + "(" + std::to_string(element) + ")";
}

void place(ElementBase& e, int left, int top, int width, int height, std::string parent = {}) {
  e.rect = {left, top, width, height};
  e.parent = std::move(parent);
}

void look(TextElement& e, const char* family, double points, bool bold, std::uint32_t fore,
          std::uint32_t back) {
  e.font = {family, points, bold};
  e.foreColour = fore;
  e.backColour = back;
  e.border = false;
}

// The bell panel's picture, 45 x 93 pixels: a brass bell above the two buttons.
std::shared_ptr<const Surface> bellPicture() {
  auto s = std::make_shared<Surface>(45, 93, rgbFromBgr(kDarkGrey));
  const std::uint32_t brass = 0xD4A017;  // 0x00RRGGBB
  for (int y = 4; y <= 24; ++y) {
    const int half = 4 + (y - 4) * 12 / 20;  // widens from the crown to the lip
    for (int x = 22 - half; x <= 22 + half; ++x) s->row(y)[x] = brass;
  }
  for (int y = 25; y <= 28; ++y)
    for (int x = 20; x <= 24; ++x) s->row(y)[x] = brass;  // the clapper
  return s;
}

}  // namespace

// ---- Cell numbering of the four boards ------------------------------------------------

// Rows 4 to 7 are the spare cells beside the boards, one per train 8b + 4 to 8b + 7.
TextElement& Tovarek2::hourCell(int b, int r) {
  if (r >= 4) {
    const int i = r - 4;
    const int spare[4] = {48 + 2 * i, 56 + 2 * i, 105 + 2 * i, 117 + 2 * i};
    return Text1[spare[b]];
  }
  switch (b) {
    case 0: return Text1[5 * r];
    case 1: return Text1[30 + 4 * r];
    case 2: return Text1[70 + 3 * r];
    default: return Text1[85 + 3 * r];
  }
}

TextElement& Tovarek2::minuteCell(int b, int r) {
  if (r >= 4) {
    const int i = r - 4;
    const int spare[4] = {49 + 2 * i, 57 + 2 * i, 104 + 2 * i, 116 + 2 * i};
    return Text1[spare[b]];
  }
  switch (b) {
    case 0: return Text1[5 * r + 1];
    case 1: return Text1[31 + 4 * r];
    case 2: return Text1[69 + 3 * r];
    default: return Text1[84 + 3 * r];
  }
}

TextElement& Tovarek2::firstCell(int b, int r) {
  if (r >= 4) {
    const int i = r - 4;
    const int spare[4] = {4 + 5 * i, 28 + 4 * i, 112 + i, 124 + i};
    return Text1[spare[b]];
  }
  switch (b) {
    case 0: return Text1[5 * r + 2];
    case 1: return Text1[29 + 4 * r];
    case 2: return Text1[68 + 3 * r];
    default: return Text1[86 + 3 * r];
  }
}

TextElement& Tovarek2::colonCell(int b, int r) {
  switch (b) {
    case 0: return Text1[5 * r + 3];
    case 1: return Text1[44 + r];
    case 2: return Text1[80 + r];
    default: return Text1[100 + r];
  }
}

TextElement& Tovarek2::rowLabelCell(int b, int r) {
  switch (b) {
    case 0: return Text1[20 + r];
    case 1: return Text1[27 - r];
    case 2: return Text1[67 - r];
    default: return Text1[96 + r];
  }
}

// Boards 0 and 1 share Picture5 and Text3, boards 2 and 3 Picture7 and Text5; the second
// board of a pair uses elements 8 to 11.
TextElement& Tovarek2::destinationCell(int b, int r) {
  const int e = 8 * (b % 2) + r;
  return b < 2 ? Text3[e] : Text5[e];
}

PictureElement& Tovarek2::typeCell(int b, int r) {
  const int e = 8 * (b % 2) + r;
  return b < 2 ? Picture5[e] : Picture7[e];
}

PictureElement& Tovarek2::coverStrip(int b, int r, int i) {
  std::array<PictureElement, 32>* const strips[5] = {&Picture8, &Picture9, &Picture10, &Picture11,
                                                     &Picture12};
  return (*strips[i / 2])[8 * b + 2 * r + i % 2];
}

// ---- The window at its design size ----------------------------------------------------

void Tovarek2::CreateElements() {
  // The station view's layers only hold bitmaps for the compositing and are never shown.
  for (int e = 0; e < 41; ++e) {
    PictureElement& p = Picture1[e];
    p.parent.clear();
    p.visible = false;
    p.border = false;
    p.backColour = kBackColour;
  }
  place(Picture1[0], 0, 0, kTrackWidthTwips, kInsideHeightTwips);
  for (int e : {1, 2, 7, 8, 39, 40}) {
    place(Picture1[e], 0, 0, kInsideWidthTwips, kInsideHeightTwips);
    Picture1[e].setSize(kInsideWidth, kInsideHeight);
  }
  for (int e : {9, 10}) {
    place(Picture1[e], 0, 0, kTrackWidthTwips, kInsideHeightTwips);
    Picture1[e].setSize(kTrackWidth, kInsideHeight);
  }

  // The lower panel with its four boards.
  place(Picture3, 0, 3279, 13680, 5295);
  Picture3.backColour = kAppWorkspace;
  const int boardLeft[4] = {120, 8400, 120, 8400};
  const int boardTop[4] = {120, 120, 2760, 2760};  // the title; the panel is 360 lower
  for (int b = 0; b < 4; ++b) {
    TextElement& title = Text2[b];
    place(title, boardLeft[b], boardTop[b], 5055, 390, "Picture3");
    look(title, kBoardFont, 14.25, false, kWhite, kDarkGrey);
    title.align = Align::Right;
    title.text = "発車ご案内";
    title.toolTip = "案内板です";

    PictureElement& panel = Picture4[b];
    place(panel, boardLeft[b], boardTop[b] + 360, 5055, 2055, "Picture3");
    panel.backColour = kBlack;

    const std::string inPanel = indexed("Picture4", b);
    for (int r = 0; r < 4; ++r) {
      const int y = kFirstRowTwips + kRowPitchTwips * r;

      TextElement& first = firstCell(b, r);
      place(first, 120, y, 495, 390, inPanel);
      look(first, kBoardFont, 18, false, kWhite, kDarkGrey);

      PictureElement& type = typeCell(b, r);
      place(type, 750, y, 1050, 390, inPanel);

      TextElement& hour = hourCell(b, r);
      place(hour, 1900, y, 400, 390, inPanel);
      look(hour, kBoardFont, 18, false, kWhite, kDarkGrey);

      TextElement& colon = colonCell(b, r);
      place(colon, 2270, y - 10, 195, 390, inPanel);
      look(colon, kDigitFont, 15.75, true, kWhite, kBlack);
      colon.text = ":";

      TextElement& minute = minuteCell(b, r);
      place(minute, 2450, y, 400, 390, inPanel);
      look(minute, kBoardFont, 18, false, kWhite, kDarkGrey);

      TextElement& destination = destinationCell(b, r);
      place(destination, 3000, y, 1575, b < 2 ? 390 : 405, inPanel);
      look(destination, kBoardFont, 15.75, false, kWhite, kDarkGrey);

      TextElement& label = rowLabelCell(b, r);
      place(label, 4680, y + 120, 225, 255, inPanel);
      look(label, "MS UI Gothic", 9, false, kWhite, kBlack);
      label.text = "行";

      // Two strips per cell, hidden until the row rolls. Row 0's lower strips sit a little
      // higher, as the board was drawn.
      struct StripColumn {
        int left, width, firstRowLowerTop;
      };
      const StripColumn columns[5] = {
          {780, 1000, 190},   // Picture8, over the type cell
          {150, 430, 180},    // Picture9, over the first cell
          {1920, 375, 200},   // Picture10, over the hour cell
          {2450, 375, 200},   // Picture11, over the minute cell
          {3030, 1520, 200},  // Picture12, over the destination cell
      };
      for (int i = 0; i < 10; ++i) {
        const StripColumn& c = columns[i / 2];
        const bool upper = i % 2 == 0;
        const int top = upper ? y + (r == 0 ? 10 : 20) : y + (r == 0 ? c.firstRowLowerTop : 200);
        PictureElement& strip = coverStrip(b, r, i);
        place(strip, c.left, top, c.width, kStripHeightTwips, inPanel);
        strip.backColour = kDarkGrey;
        strip.border = false;
        strip.visible = false;
      }
    }

    // The four spare rows of the board, in the upper part of the window: a staggered stack,
    // each later row over the one before.
    const int spareTop[4] = {1440, 1560, 2280, 2400};
    struct SpareColumns {
      int type, first, hour, minute, destination;
    };
    const SpareColumns left = {600, 120, 1800, 2280, 2880};
    const SpareColumns right = {8760, 8160, 9840, 10320, 10920};
    const SpareColumns& x = b % 2 == 0 ? left : right;
    for (int i = 0; i < 4; ++i) {
      const int y = spareTop[b] + 120 * i;
      TextElement* first = &firstCell(b, 4 + i);
      TextElement* hour = &hourCell(b, 4 + i);
      TextElement* minute = &minuteCell(b, 4 + i);
      PictureElement& type = typeCell(b, 4 + i);
      place(type, x.type, y, 975, 375);
      type.visible = true;

      place(*first, x.first, y, 375, 390);
      look(*first, "MS UI Gothic", 18, true, kPaleYellow, kDarkGrey);
      place(*hour, x.hour, y, 375, 390);
      look(*hour, kDigitFont, 18, true, kPaleYellow, kDarkGrey);
      place(*minute, x.minute, y, 375, 390);
      look(*minute, kDigitFont, 18, true, kPaleYellow, kDarkGrey);

      TextElement& destination = destinationCell(b, 4 + i);
      if (b < 2) {
        place(destination, x.destination, y, 735, 390);
        look(destination, "ＭＳ Ｐゴシック", 15.75, true, kPaleYellow, kDarkGrey);
      } else {
        place(destination, x.destination, y, 735, 405);
        look(destination, kBoardFont, 15.75, false, kWhite, kDarkGrey);
      }
    }
  }

  // The small cells: four blocks of two rows of four, board 0's block first.
  struct Text4Block {
    int left, top;
  };
  const Text4Block blocks[4] = {{3960, 1560}, {7200, 1680}, {3960, 2520}, {7200, 2520}};
  for (int e = 0; e < 32; ++e) {
    const Text4Block& block = blocks[e / 8];
    const int column = e % 4;
    const int row = (e % 8) / 4;
    place(Text4[e], block.left + 120 * column, block.top + 240 * row, 375, 375);
    Text4[e].font = {"MS UI Gothic", 9, false};
  }

  // The bell panels between the boards and the clock, each with its start and stop button.
  const auto bell = bellPicture();
  const int bellLeft[4] = {5280, 7560, 5280, 7560};
  const int bellTop[4] = {1080, 1080, 3720, 3720};
  for (int b = 0; b < 4; ++b) {
    PictureElement& panel = Picture2[b];
    place(panel, bellLeft[b], bellTop[b], 735, 1455, "Picture3");
    panel.toolTip = "発車ベルです";
    panel.setPicture("", bell);

    const std::string inPanel = indexed("Picture2", b);
    ButtonElement& start = Command[2 * b];
    place(start, 195, 480, 300, 300, inPanel);
    start.imageName = "bellStart";
    ButtonElement& stop = Command[2 * b + 1];
    place(stop, 195, 900, 300, 300, inPanel);
    stop.imageName = "bellStop";
  }

  // The digital clock panel in the middle column; its digits stay empty until the first tick.
  place(Picture38, 6120, 5160, 1425, 690);
  Picture38.backColour = kDarkGrey;
  Picture38.border = false;
  Picture38.visible = true;
  struct ClockLabel {
    LabelElement* label;
    int left, width, height;
    const char* text;
  };
  const ClockLabel labels[5] = {
      {&AcumeJiLabel, 0, 375, 405, ""},    {&Label1, 240, 375, 375, ":"},
      {&AcumeFunLabel, 480, 315, 405, ""}, {&Label6, 720, 255, 315, ":"},
      {&AcumeByoLabel, 960, 345, 405, ""},
  };
  for (const ClockLabel& c : labels) {
    place(*c.label, c.left, 120, c.width, c.height, "Picture38");
    c.label->text = c.text;
    if (*c.text)
      look(*c.label, "ＭＳ Ｐゴシック", 15.75, true, kClockColon, kDarkGrey);
    else
      look(*c.label, kDigitFont, 14.25, false, kClockDigits, kDarkGrey);
  }

  menu = {{
      {"IDMFille", "ファイル", ""},
      {"IDMNew", "乗り換え", "IDMFille"},
      {"IDMExit", "終了", "IDMFille"},
      {"IDMSet", "設定", ""},
      {"IDMSet2", "設定", "IDMSet"},
      {"Chang", "乗換実行", "IDMSet"},
  }};
}
