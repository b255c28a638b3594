// Block transfers with arbitrary rectangles and operations between small surfaces and
// within one surface: clipping must keep every access inside both.
#include <cstdint>
#include <cstring>

#include "platform/surface.h"

namespace {
int take(const std::uint8_t*& data, std::size_t& size) {
  std::int32_t v = 0;
  const std::size_t n = size < 4 ? size : 4;
  std::memcpy(&v, data, n);
  data += n;
  size -= n;
  return v;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int dw = take(data, size) & 63, dh = take(data, size) & 63;
  const int sw = take(data, size) & 63, sh = take(data, size) & 63;
  Surface dst(dw, dh, 0x123456), src(sw, sh, 0x654321);
  while (size > 0) {
    const int x = take(data, size), y = take(data, size), w = take(data, size),
              h = take(data, size), sx = take(data, size), sy = take(data, size);
    const int which = take(data, size);
    const RasterOp op = which % 3 == 0   ? RasterOp::SRCCOPY
                        : which % 3 == 1 ? RasterOp::SRCAND
                                         : RasterOp::SRCINVERT;
    if (which & 8)
      BitBlt(dst, x, y, w, h, dst, sx, sy, op);
    else
      BitBlt(dst, x, y, w, h, src, sx, sy, op);
  }
  return 0;
}
