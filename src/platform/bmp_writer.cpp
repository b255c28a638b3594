#include "platform/bmp_writer.h"

#include <cstddef>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> WriteBmp24(const Surface& surface) {
  const std::size_t stride = (static_cast<std::size_t>(surface.width) * 3 + 3) / 4 * 4;
  const std::size_t pixelBytes = stride * static_cast<std::size_t>(surface.height);
  constexpr std::uint32_t kHeaders = 14 + 40;
  std::vector<std::uint8_t> out;
  out.reserve(kHeaders + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, static_cast<std::uint32_t>(kHeaders + pixelBytes));
  put32(out, 0);
  put32(out, kHeaders);
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(surface.width));
  put32(out, static_cast<std::uint32_t>(surface.height));
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // BI_RGB
  put32(out, static_cast<std::uint32_t>(pixelBytes));
  put32(out, 3780);  // 96 dots per inch
  put32(out, 3780);
  put32(out, 0);
  put32(out, 0);
  for (int y = surface.height - 1; y >= 0; --y) {
    const std::uint32_t* row = surface.row(y);
    for (int x = 0; x < surface.width; ++x) {
      out.push_back(static_cast<std::uint8_t>(row[x]));
      out.push_back(static_cast<std::uint8_t>(row[x] >> 8));
      out.push_back(static_cast<std::uint8_t>(row[x] >> 16));
    }
    for (std::size_t pad = static_cast<std::size_t>(surface.width) * 3; pad < stride; ++pad)
      out.push_back(0);
  }
  return out;
}
