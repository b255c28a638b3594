#pragma once
// Window elements as plain data: what each text, picture, label, button, check box and
// menu entry of a window shows, where it stands (twips, relative to its container) and
// how it looks. The core writes them; a front end reflects every element whose
// `revision` moved since it last looked. Called from the UI thread only.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/surface.h"

inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Font {
  std::string family;  // as the layout names it ("HGPｺﾞｼｯｸE", "Quartz", ...)
  double points = 9;
  bool bold = false;
};

enum class Align { Left, Center, Right };

// Bits common to every element. `revision` moves only when something visible changes.
struct ElementBase {
  TwipRect rect;
  bool visible = true;
  std::uint64_t revision = 0;
  std::string toolTip;
  std::string parent;  // the containing element ("Picture3", "Picture4(2)"); empty = the window

  void setVisible(bool v) {
    if (visible != v) {
      visible = v;
      ++revision;
    }
  }
};

// A text box or label: board cells, titles, clock digits.
struct TextElement : ElementBase {
  std::string text;  // UTF-8
  Font font;
  std::uint32_t foreColour = 0x000000;  // 0xBBGGRR
  std::uint32_t backColour = 0xFFFFFF;  // 0xBBGGRR
  Align align = Align::Left;
  bool border = false;

  void setText(std::string_view t) {
    if (text != t) {
      text.assign(t);
      ++revision;
    }
  }
};
using LabelElement = TextElement;

// A picture element: holds a shared, immutable bitmap and the path it came from. When the
// behaviour gives the element a size (`sizedWidth` > 0), its surface is that size with the
// bitmap at the top left, clipped, the rest in the back colour; otherwise the surface is
// the bitmap itself.
struct PictureElement : ElementBase {
  std::uint32_t backColour = 0xF0F0F0;  // 0xBBGGRR, RGB(240, 240, 240)
  bool border = false;
  std::string picturePath;  // relative to the program folder, '/' separators; empty = none
  std::shared_ptr<const Surface> picture;  // the bitmap as loaded
  std::shared_ptr<const Surface> surface;  // what block transfers read; null = nothing
  int sizedWidth = 0;                      // pixels; 0 = the bitmap's own size
  int sizedHeight = 0;

  // Shows `bitmap`; asking for the bitmap it already shows costs nothing. A null bitmap
  // leaves the element as it is (a picture that could not be had is not shown instead).
  void setPicture(std::string_view path, std::shared_ptr<const Surface> bitmap);
  // Shows the same image as another element at this moment (shares its bitmap).
  void takeOver(const PictureElement& source) { setPicture(source.picturePath, source.picture); }
  // Gives the element a fixed size in pixels and rebuilds its surface.
  void setSize(int widthPixels, int heightPixels);

 private:
  void rebuildSurface();
};

// A button with a caption or a picture; clicks reach the core's handler.
struct ButtonElement : ElementBase {
  std::string caption;
  std::string imageName;  // which of the program's own button images it shows, if any
};

struct CheckBoxElement : ElementBase {
  std::string caption;
  int value = 0;  // 0 unticked, 1 ticked

  void setValue(int v) {
    if (value != v) {
      value = v;
      ++revision;
    }
  }
};

struct MenuEntry {
  std::string name;     // "IDMNew"
  std::string caption;  // "乗り換え"
  std::string parent;   // the menu it sits under ("IDMFille"); empty = the menu bar
};
