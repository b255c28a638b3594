#pragma once
// How a window element looks on Qt: twips (15 per pixel) to pixels, 0xBBGGRR colours to
// QColor, and the Windows fonts the layouts name to the nearest installed ones, sized in
// points at 96 dots per inch so text fits its cells as designed. UI thread only.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>

#include "platform/elements.h"

QColor colourFromBgr(std::uint32_t bgr);
// Rounded to the nearest pixel, halves away from zero.
int pixelsFromTwips(int twips);
QRect pixelRect(const TwipRect& r);
// The installed family that stands in for a layout's family.
QString fontFamilyFor(const std::string& layoutFamily);
// The layout's font at 96 dots per inch; "HGPｺﾞｼｯｸE" gets the heaviest weight there is.
QFont fontFor(const Font& f);
Qt::Alignment alignmentFor(Align a);

inline constexpr const char* kGothicFamily = "Noto Sans CJK JP";
inline constexpr const char* kDigitalFamily = "DSEG7 Classic";
