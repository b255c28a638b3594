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

namespace {

// One row of a transfer between rows that do not share memory, so the compiler may
// vectorise the whole row.
void combineRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict s, int n,
                RasterOp op) {
  switch (op) {
    case RasterOp::SRCCOPY:
      std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof(std::uint32_t));
      break;
    case RasterOp::SRCAND:
      for (int i = 0; i < n; ++i) d[i] &= s[i];
      break;
    case RasterOp::SRCINVERT:
      for (int i = 0; i < n; ++i) d[i] ^= s[i];
      break;
  }
}

// One row of a transfer within a single row of one surface: every source pixel is read
// before the transfer writes over it, as if the source had been copied aside first.
void combineOverlappingRow(std::uint32_t* d, const std::uint32_t* s, int n, RasterOp op) {
  if (op == RasterOp::SRCCOPY) {
    std::memmove(d, s, static_cast<std::size_t>(n) * sizeof(std::uint32_t));
    return;
  }
  const bool backwards = d > s;
  for (int k = 0; k < n; ++k) {
    const int i = backwards ? n - 1 - k : k;
    d[i] = op == RasterOp::SRCAND ? d[i] & s[i] : d[i] ^ s[i];
  }
}

}  // namespace

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
  const int rows = static_cast<int>(ch);
  const int d0 = static_cast<int>(dy), s0 = static_cast<int>(ssy);
  const int dcol = static_cast<int>(dx), scol = static_cast<int>(ssx);
  const bool sameSurface = &dst == &src;
  // Within one surface a copy downwards runs bottom-up so no row is read after it is written.
  const bool bottomUp = sameSurface && d0 > s0;
  for (int k = 0; k < rows; ++k) {
    const int r = bottomUp ? rows - 1 - k : k;
    std::uint32_t* d = dst.row(d0 + r) + dcol;
    const std::uint32_t* s = src.row(s0 + r) + scol;
    if (sameSurface && d0 == s0)
      combineOverlappingRow(d, s, n, op);
    else
      combineRow(d, s, n, op);
  }
}
