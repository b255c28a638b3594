#include "platform/surface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// A surface whose every pixel is distinct: base + y * 16 + x.
Surface patterned(int w, int h, std::uint32_t base) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.row(y)[x] = base + static_cast<std::uint32_t>(y * 16 + x);
  return s;
}

std::uint32_t combine(std::uint32_t d, std::uint32_t s, RasterOp op) {
  switch (op) {
    case RasterOp::SRCCOPY: return s;
    case RasterOp::SRCAND: return d & s;
    case RasterOp::SRCINVERT: return d ^ s;
  }
  return d;
}

// The obvious per-pixel transfer: each destination pixel takes part when it lies inside the
// w x h rectangle and its source pixel lies inside the source.
Surface reference(const Surface& dst, int x, int y, int w, int h, const Surface& src, int sx,
                  int sy, RasterOp op) {
  Surface out = dst;
  for (int dy = 0; dy < dst.height; ++dy) {
    for (int dx = 0; dx < dst.width; ++dx) {
      const long long c = static_cast<long long>(dx) - x, r = static_cast<long long>(dy) - y;
      if (c < 0 || r < 0 || c >= w || r >= h) continue;
      const long long px = sx + c, py = sy + r;
      if (px < 0 || py < 0 || px >= src.width || py >= src.height) continue;
      out.row(dy)[dx] =
          combine(dst.at(dx, dy), src.at(static_cast<int>(px), static_cast<int>(py)), op);
    }
  }
  return out;
}

void expectSame(const Surface& got, const Surface& want) {
  ASSERT_EQ(got.width, want.width);
  ASSERT_EQ(got.height, want.height);
  for (int y = 0; y < want.height; ++y)
    for (int x = 0; x < want.width; ++x)
      EXPECT_EQ(got.at(x, y), want.at(x, y)) << "pixel (" << x << ", " << y << ")";
}

struct BltCase {
  const char* name;
  int x, y, w, h, sx, sy;
};

const std::vector<BltCase> kBltCases = {
    {"whole surface", 0, 0, 4, 3, 0, 0},
    {"inner block", 1, 1, 2, 1, 1, 0},
    {"source offset", 0, 0, 2, 2, 2, 1},
    {"single pixel", 3, 2, 1, 1, 0, 0},
    {"larger than both", 0, 0, 100, 100, 0, 0},
    {"negative destination x", -2, 0, 4, 3, 0, 0},
    {"negative destination y", 0, -1, 4, 3, 0, 0},
    {"negative destination both", -1, -2, 4, 4, 1, 0},
    {"negative source x", 0, 0, 4, 3, -2, 0},
    {"negative source y", 1, 0, 3, 3, 0, -1},
    {"negative source both", 0, 0, 4, 3, -1, -1},
    {"negative everything", -1, -1, 5, 5, -1, -1},
    {"partly past right edge", 2, 0, 4, 3, 0, 0},
    {"partly past bottom edge", 0, 2, 4, 3, 0, 0},
    {"source partly past right", 0, 0, 4, 3, 3, 0},
    {"source partly past bottom", 0, 0, 4, 3, 0, 2},
    {"wholly right of destination", 4, 0, 2, 2, 0, 0},
    {"wholly below destination", 0, 3, 2, 2, 0, 0},
    {"wholly left of destination", -4, 0, 4, 3, 0, 0},
    {"wholly above destination", 0, -3, 4, 3, 0, 0},
    {"wholly outside source", 0, 0, 2, 2, 5, 5},
    {"source wholly negative", 0, 0, 2, 2, -2, -2},
    {"zero width", 0, 0, 0, 3, 0, 0},
    {"zero height", 0, 0, 4, 0, 0, 0},
    {"negative width", 0, 0, -3, 3, 0, 0},
    {"negative height", 0, 0, 4, -2, 0, 0},
    {"huge coordinates", 2147483000, 2147483000, 1000, 1000, 0, 0},
    {"huge negative coordinates", -2147483000, 0, 2147483000, 3, 0, 0},
    {"huge size", 0, 0, 2147483647, 2147483647, 0, 0},
};

void runBltTable(RasterOp op) {
  for (const auto& c : kBltCases) {
    SCOPED_TRACE(c.name);
    const Surface src = patterned(4, 3, 0x00A05000);
    Surface dst = patterned(4, 3, 0x000F0F00);
    const Surface want = reference(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, op);
    BitBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, op);
    expectSame(dst, want);
  }
}

TEST(BitBlt, SrcCopyReplacesDestinationWithinClip) {
  runBltTable(RasterOp::SRCCOPY);
}
TEST(BitBlt, SrcAndAndsSourceIntoDestinationWithinClip) {
  runBltTable(RasterOp::SRCAND);
}
TEST(BitBlt, SrcInvertXorsSourceIntoDestinationWithinClip) {
  runBltTable(RasterOp::SRCINVERT);
}

struct SizeCase {
  const char* name;
  int dw, dh, sw, sh;
  int x, y, w, h, sx, sy;
};

TEST(BitBlt, SurfacesOfDifferentSizesClipToTheSmaller) {
  const std::vector<SizeCase> cases = {
      {"small source onto large destination", 4, 3, 2, 2, 1, 1, 4, 4, 0, 0},
      {"large source onto small destination", 2, 2, 4, 3, 0, 0, 4, 3, 1, 1},
      {"empty source", 4, 3, 0, 0, 0, 0, 4, 3, 0, 0},
      {"empty destination", 0, 0, 4, 3, 0, 0, 4, 3, 0, 0},
      {"one-row source", 4, 3, 4, 1, 0, 1, 4, 3, 0, 0},
      {"one-column destination", 1, 3, 4, 3, -1, 0, 4, 3, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (RasterOp op : {RasterOp::SRCCOPY, RasterOp::SRCAND, RasterOp::SRCINVERT}) {
      const Surface src = patterned(c.sw, c.sh, 0x00C03300);
      Surface dst = patterned(c.dw, c.dh, 0x00055000);
      const Surface want = reference(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, op);
      BitBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, op);
      expectSame(dst, want);
    }
  }
}

// A transfer within one surface reads the source as it was before the transfer began,
// whichever way the rectangles overlap.
TEST(BitBlt, OverlappingTransfersWithinOneSurfaceReadTheOldPixels) {
  const std::vector<BltCase> cases = {
      {"down by one row", 0, 1, 6, 4, 0, 0},
      {"down by two rows, shifted right", 1, 2, 5, 3, 0, 0},
      {"up by one row", 0, 0, 6, 4, 0, 1},
      {"right within the same rows", 2, 0, 4, 5, 0, 0},
      {"left within the same rows", 0, 0, 4, 5, 2, 0},
      {"right by one pixel", 1, 1, 5, 3, 0, 1},
      {"down and left", 0, 1, 5, 4, 1, 0},
      {"up and right", 1, 0, 5, 4, 0, 1},
      {"onto itself", 0, 0, 6, 5, 0, 0},
      {"down past the bottom edge", 0, 3, 6, 5, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (RasterOp op : {RasterOp::SRCCOPY, RasterOp::SRCAND, RasterOp::SRCINVERT}) {
      Surface s = patterned(6, 5, 0x00A05000);
      const Surface before = s;
      const Surface want = reference(before, c.x, c.y, c.w, c.h, before, c.sx, c.sy, op);
      BitBlt(s, c.x, c.y, c.w, c.h, s, c.sx, c.sy, op);
      expectSame(s, want);
    }
  }
}

TEST(BitBlt, RasterOpsCombineBitByBit) {
  struct OpCase {
    const char* name;
    RasterOp op;
    std::uint32_t dst, src, want;
  };
  const std::vector<OpCase> cases = {
      {"copy", RasterOp::SRCCOPY, 0x00FF00FF, 0x00123456, 0x00123456},
      {"and", RasterOp::SRCAND, 0x00FF00FF, 0x00123456, 0x00120056},
      {"and with white keeps", RasterOp::SRCAND, 0x00ABCDEF, 0x00FFFFFF, 0x00ABCDEF},
      {"and with black clears", RasterOp::SRCAND, 0x00ABCDEF, 0x00000000, 0x00000000},
      {"xor", RasterOp::SRCINVERT, 0x00FF00FF, 0x00123456, 0x00ED34A9},
      {"xor with black keeps", RasterOp::SRCINVERT, 0x00ABCDEF, 0x00000000, 0x00ABCDEF},
      {"xor with itself clears", RasterOp::SRCINVERT, 0x00ABCDEF, 0x00ABCDEF, 0x00000000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Surface dst(4, 3, c.dst);
    const Surface src(4, 3, c.src);
    BitBlt(dst, 0, 0, 4, 3, src, 0, 0, c.op);
    for (std::uint32_t p : dst.pixels) EXPECT_EQ(p, c.want);
  }
}

TEST(Surface, ConstructsAndClears) {
  struct ClearCase {
    const char* name;
    int w, h;
    std::uint32_t fill, colour;
    int wantW, wantH;
  };
  const std::vector<ClearCase> cases = {
      {"4x3", 4, 3, 0x00111111, 0x00ABCDEF, 4, 3},
      {"1x1", 1, 1, 0, 0x00FFFFFF, 1, 1},
      {"empty", 0, 0, 0, 0x00123456, 0, 0},
      {"negative size is empty", -2, -5, 7, 0x00123456, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Surface s(c.w, c.h, c.fill);
    EXPECT_EQ(s.width, c.wantW);
    EXPECT_EQ(s.height, c.wantH);
    ASSERT_EQ(s.pixels.size(), static_cast<std::size_t>(c.wantW) * c.wantH);
    for (std::uint32_t p : s.pixels) EXPECT_EQ(p, c.fill);
    Clear(s, c.colour);
    EXPECT_EQ(s.width, c.wantW);
    EXPECT_EQ(s.height, c.wantH);
    for (std::uint32_t p : s.pixels) EXPECT_EQ(p, c.colour);
  }
}

TEST(Surface, RgbFromBgrSwapsRedAndBlue) {
  struct ColourCase {
    const char* name;
    std::uint32_t bgr, rgb;
  };
  const std::vector<ColourCase> cases = {
      {"red", 0x0000FF, 0xFF0000},         {"green", 0x00FF00, 0x00FF00},
      {"blue", 0xFF0000, 0x0000FF},        {"mixed", 0x123456, 0x563412},
      {"button face", 0xF0F0F0, 0xF0F0F0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(rgbFromBgr(c.bgr), c.rgb);
  }
}

}  // namespace
