#include "platform/surface.h"

#include <algorithm>
#include <cstring>

Surface::Surface(int w, int h, std::uint32_t fill)
    : width(std::max(0, w)),
      height(std::max(0, h)),
      pixels(static_cast<std::size_t>(width) * height, fill) {}

void Clear(Surface& s, std::uint32_t colour) {
  std::fill(s.pixels.begin(), s.pixels.end(), colour);
}

void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
            RasterOp op) {
  // Clip in 64 bits so that no coordinate a station file can write overflows.
  long long dx = x, dy = y, ssx = sx, ssy = sy, cw = w, ch = h;
  if (dx < 0) {
    cw += dx;
    ssx -= dx;
    dx = 0;
  }
  if (dy < 0) {
    ch += dy;
    ssy -= dy;
    dy = 0;
  }
  if (ssx < 0) {
    cw += ssx;
    dx -= ssx;
    ssx = 0;
  }
  if (ssy < 0) {
    ch += ssy;
    dy -= ssy;
    ssy = 0;
  }
  cw = std::min(
      {cw, static_cast<long long>(dst.width) - dx, static_cast<long long>(src.width) - ssx});
  ch = std::min(
      {ch, static_cast<long long>(dst.height) - dy, static_cast<long long>(src.height) - ssy});
  if (cw <= 0 || ch <= 0) return;
  const int n = static_cast<int>(cw);
  // Within one surface a copy downwards runs bottom-up so no row is read after it is written.
  const bool upwards = &dst == &src && dy > ssy;
  for (long long i = 0; i < ch; ++i) {
    const long long r = upwards ? ch - 1 - i : i;
    std::uint32_t* d = dst.row(static_cast<int>(dy + r)) + dx;
    const std::uint32_t* s = src.row(static_cast<int>(ssy + r)) + ssx;
    switch (op) {
      case RasterOp::SRCCOPY:
        std::memmove(d, s, static_cast<std::size_t>(n) * sizeof(std::uint32_t));
        break;
      case RasterOp::SRCAND:
        for (int i = 0; i < n; ++i) d[i] &= s[i];
        break;
      case RasterOp::SRCINVERT:
        for (int i = 0; i < n; ++i) d[i] ^= s[i];
        break;
    }
  }
}
