// The station view, layer by layer: the day period's background, the trains board by board
// between the overlays, the front picture and the last two overlays; then the whole view
// is put on the window in one copy.
#include <cmath>
#include <cstdint>
#include <limits>

#include "station/tovarek2.h"

namespace {

// Coordinates become whole pixels right before their transfer, halves to the even
// neighbour. A value beyond the 32-bit range stands at its end (nothing of it is drawn).
int pixel(double v) {
  if (std::isnan(v)) return 0;
  double whole = std::round(v);
  if (std::fabs(v - std::trunc(v)) == 0.5) whole = 2 * std::round(v / 2);
  constexpr double lo = std::numeric_limits<std::int32_t>::min();
  constexpr double hi = std::numeric_limits<std::int32_t>::max();
  if (whole <= lo) return std::numeric_limits<std::int32_t>::min();
  if (whole >= hi) return std::numeric_limits<std::int32_t>::max();
  return static_cast<int>(whole);
}

void copyLayer(Surface& track, const PictureElement& e, double x, double y, double w, double h) {
  if (!e.surface) return;
  BitBlt(track, pixel(x), pixel(y), pixel(w), pixel(h), *e.surface, 0, 0, RasterOp::SRCCOPY);
}

// The mask, right of the picture, clears the picture's area; the picture, black where it
// is transparent, then fills it.
void maskedLayer(Surface& track, const PictureElement& e, double x, double y, double w, double h) {
  if (!e.surface) return;
  const int maskLeft = pixel(w);
  BitBlt(track, pixel(x), pixel(y), pixel(w), pixel(h), *e.surface, maskLeft, 0, RasterOp::SRCAND);
  BitBlt(track, pixel(x), pixel(y), pixel(w), pixel(h), *e.surface, 0, 0, RasterOp::SRCINVERT);
}

}  // namespace

void Tovarek2::ComposeTrackPicture() {
  Surface& track = trackPicture;
  const double width = track.width;
  const double height = track.height;

  auto train = [&](int k) {
    const TrainEntry& t = record.trains[k];
    maskedLayer(track, Picture1[trainPictureElement(k)], motion[k].position, t.spriteTop,
                t.spriteWidth, t.spriteHeight);
  };
  auto trains = [&](int b) {
    for (int k = b * kTrainsPerBoard; k < (b + 1) * kTrainsPerBoard; ++k) train(k);
  };
  // Overlay o and the element that holds it.
  auto overlay = [&](int o, int element) {
    const OverlayEntry& v = record.overlays[o];
    maskedLayer(track, Picture1[element], v.overlayLeft, v.overlayTop, v.overlayWidth,
                v.overlayHeight);
  };

  copyLayer(track, Picture1[2], 0, 5, width, height);  // five pixels below the top edge
  trains(0);
  overlay(0, 8);
  trains(1);
  overlay(3, 9);
  overlay(1, 39);
  trains(2);
  overlay(2, 40);
  trains(3);
  copyLayer(track, Picture1[1], record.frontLeft, record.frontTop, width, height);
  overlay(4, 7);
  overlay(5, 10);

  BitBlt(windowSurface, 0, 0, pixel(width), pixel(height), track, 0, 0, RasterOp::SRCCOPY);
  ++windowSurfaceRevision;
}
