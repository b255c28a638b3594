#include "gui/element_style.h"

#include <algorithm>
#include <cmath>

QColor colourFromBgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

int pixelsFromTwips(int twips) {
  return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel)));
}

QRect pixelRect(const TwipRect& r) {
  return QRect(pixelsFromTwips(r.left), pixelsFromTwips(r.top), pixelsFromTwips(r.width),
               pixelsFromTwips(r.height));
}

QString fontFamilyFor(const std::string& layoutFamily) {
  if (layoutFamily == "Quartz") return kDigitalFamily;
  // Every other family of the layouts is a Japanese Gothic (plain, proportional, UI or
  // rounded); one Gothic with the full character set reads best in all of them.
  return kGothicFamily;
}

QFont fontFor(const Font& f) {
  QFont font;
  font.setFamilies({fontFamilyFor(f.family), kGothicFamily});
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.points * 96.0 / 72.0))));
  if (f.family == "HGPｺﾞｼｯｸE")
    font.setWeight(QFont::Black);
  else
    font.setWeight(f.bold ? QFont::Bold : QFont::Normal);
  return font;
}

Qt::Alignment alignmentFor(Align a) {
  switch (a) {
    case Align::Left: return Qt::AlignLeft | Qt::AlignTop;
    case Align::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right: return Qt::AlignRight | Qt::AlignTop;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}
