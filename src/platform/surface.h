#pragma once
// A drawing surface: width x height pixels of 32-bit 0x00RRGGBB, row-major, rows packed
// (the memory layout of QImage::Format_RGB32, so a front end can draw it without a copy),
// and the block transfer that composes the station view. Sizes and coordinates in pixels.
// Any thread may use a surface it owns; surfaces are not shared between threads.
#include <cstdint>
#include <vector>

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height, row y starts at y * width

  Surface() = default;
  Surface(int w, int h, std::uint32_t fill = 0);

  std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
  const std::uint32_t* row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * width;
  }
  std::uint32_t at(int x, int y) const { return row(y)[x]; }
};

// The three raster operations of the Windows GDI, bit by bit on whole pixels.
enum class RasterOp {
  SRCCOPY,    // destination = source
  SRCAND,     // destination = destination AND source
  SRCINVERT,  // destination = destination XOR source
};

// Copies the w x h rectangle at (sx, sy) of src onto dst at (x, y), combining with op.
// Clipped to both surfaces for any coordinates; empty or negative sizes do nothing.
void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
            RasterOp op);

// Fills the whole surface with one colour (0x00RRGGBB).
void Clear(Surface& s, std::uint32_t colour);

// Colours in the layouts are written 0xBBGGRR; surfaces hold 0x00RRGGBB.
constexpr std::uint32_t rgbFromBgr(std::uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
