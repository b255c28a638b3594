#include "platform/bmp_reader.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

#include "platform/load_error.h"

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::size_t kFileHeaderBytes = 14;
// The largest file worth reading: the largest bitmap we accept at 32 bits per pixel, plus
// room for headers, palette and the odd trailing bytes some writers leave.
constexpr std::uintmax_t kMaxFileBytes =
    static_cast<std::uintmax_t>(kMaxBitmapSide) * kMaxBitmapSide * 4 + (1u << 20);

class BmpError {
 public:
  explicit BmpError(const std::string& name) : name_(name) {}
  [[noreturn]] void operator()(const std::string& what) const {
    throw LoadError("cannot read the picture " + name_ + ": " + what);
  }

 private:
  const std::string& name_;
};

std::uint32_t u16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}
std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return u16(b, at) | u16(b, at + 2) << 16;
}

// One colour channel of a 16- or 32-bit pixel, widened or narrowed to 8 bits.
struct ChannelMask {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint64_t max = 0;

  std::uint32_t of(std::uint32_t pixel) const {
    if (max == 0) return 0;
    const std::uint64_t v = (pixel & mask) >> shift;
    return static_cast<std::uint32_t>((v * 255 + max / 2) / max);
  }
};

ChannelMask channelMask(std::uint32_t mask, const BmpError& fail) {
  ChannelMask c;
  c.mask = mask;
  if (mask == 0) return c;
  while (((mask >> c.shift) & 1) == 0) ++c.shift;
  const std::uint64_t bits = mask >> c.shift;
  if ((bits & (bits + 1)) != 0)
    fail("the colour mask " + std::to_string(mask) + " is not one run of bits");
  c.max = bits;
  return c;
}

struct Layout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitsPerPixel = 0;
  std::uint32_t compression = kBiRgb;
  std::size_t pixelOffset = 0;
  std::size_t pixelEnd = 0;  // where compressed pixel data stops
  std::vector<std::uint32_t> palette;
  ChannelMask red, green, blue;
};

Layout readLayout(std::span<const std::uint8_t> b, const BmpError& fail) {
  if (b.size() < kFileHeaderBytes + 4) fail("the file is too short to be a bitmap");
  if (b[0] != 'B' || b[1] != 'M') fail("the file is not a bitmap (it does not start with \"BM\")");
  const std::uint32_t pixelOffset = u32(b, 10);
  const std::uint32_t headerBytes = u32(b, kFileHeaderBytes);
  const bool core = headerBytes == 12;
  if (!core && headerBytes != 40 && headerBytes != 52 && headerBytes != 56 && headerBytes != 108 &&
      headerBytes != 124)
    fail("unsupported bitmap header of " + std::to_string(headerBytes) + " bytes");
  if (kFileHeaderBytes + headerBytes > b.size()) fail("the bitmap header is cut off");

  Layout l;
  long long width = 0, height = 0;
  std::uint32_t colourCount = 0;
  std::size_t sizeImage = 0;
  if (core) {
    width = u16(b, 18);
    height = u16(b, 20);
    l.bitsPerPixel = static_cast<int>(u16(b, 24));
  } else {
    width = static_cast<std::int32_t>(u32(b, 18));
    height = static_cast<std::int32_t>(u32(b, 22));
    l.bitsPerPixel = static_cast<int>(u16(b, 28));
    l.compression = u32(b, 30);
    sizeImage = u32(b, 34);
    colourCount = u32(b, 46);
  }
  if (height < 0) {
    l.topDown = true;
    height = -height;
  }
  if (width < 1 || width > kMaxBitmapSide || height < 1 || height > kMaxBitmapSide)
    fail("its size " + std::to_string(width) + " x " + std::to_string(height) + " is outside 1.." +
         std::to_string(kMaxBitmapSide) + " pixels a side");
  l.width = static_cast<int>(width);
  l.height = static_cast<int>(height);

  const int bpp = l.bitsPerPixel;
  const auto badDepth = [&] {
    fail(std::to_string(bpp) + " bits per pixel cannot go with compression " +
         std::to_string(l.compression));
  };
  switch (l.compression) {
    case kBiRgb:
      if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) badDepth();
      break;
    case kBiRle8:
      if (bpp != 8) badDepth();
      break;
    case kBiRle4:
      if (bpp != 4) badDepth();
      break;
    case kBiBitfields:
    case kBiAlphaBitfields:
      if (bpp != 16 && bpp != 32) badDepth();
      break;
    default: fail("unsupported compression " + std::to_string(l.compression));
  }
  const bool rle = l.compression == kBiRle8 || l.compression == kBiRle4;
  if (rle && l.topDown) fail("a compressed bitmap cannot be stored top-down");

  // Bit fields follow a 40-byte header; the longer headers hold them inside.
  std::size_t tableStart = kFileHeaderBytes + headerBytes;
  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (bpp == 32) {
    masks[0] = 0xFF0000;
    masks[1] = 0x00FF00;
    masks[2] = 0x0000FF;
  }
  if (l.compression == kBiBitfields || l.compression == kBiAlphaBitfields) {
    const std::size_t maskAt = kFileHeaderBytes + 40;
    if (headerBytes == 40) {
      tableStart += l.compression == kBiAlphaBitfields ? 16 : 12;
      if (tableStart > b.size()) fail("the colour masks are cut off");
    }
    for (int i = 0; i < 3; ++i) masks[i] = u32(b, maskAt + 4 * static_cast<std::size_t>(i));
  }
  l.red = channelMask(masks[0], fail);
  l.green = channelMask(masks[1], fail);
  l.blue = channelMask(masks[2], fail);

  if (pixelOffset < tableStart)
    fail("the pixel data offset " + std::to_string(pixelOffset) + " lies inside the headers");
  if (pixelOffset >= b.size())
    fail("the pixel data offset " + std::to_string(pixelOffset) +
         " lies past the end of the file (" + std::to_string(b.size()) + " bytes)");
  l.pixelOffset = pixelOffset;

  if (bpp <= 8) {
    const std::size_t entryBytes = core ? 3 : 4;
    std::size_t count = std::size_t{1} << bpp;
    if (colourCount != 0 && colourCount < count) count = colourCount;
    // A palette never reaches into the pixels; some writers leave a short one.
    count = std::min(count, (pixelOffset - tableStart) / entryBytes);
    if (count == 0) fail("the palette is missing");
    l.palette.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = tableStart + i * entryBytes;
      l.palette.push_back(static_cast<std::uint32_t>(b[at + 2]) << 16 |
                          static_cast<std::uint32_t>(b[at + 1]) << 8 | b[at]);
    }
  }

  if (rle) {
    l.pixelEnd = b.size();
    if (sizeImage != 0 && sizeImage <= b.size() - pixelOffset) l.pixelEnd = pixelOffset + sizeImage;
  } else {
    const std::uint64_t rowBits = static_cast<std::uint64_t>(l.width) * bpp;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row's padding may be missing.
    const std::uint64_t needed = stride * (l.height - 1) + (rowBits + 7) / 8;
    if (needed > b.size() - pixelOffset)
      fail("its pixels need " + std::to_string(needed) + " bytes but the file holds only " +
           std::to_string(b.size() - pixelOffset) + " after offset " + std::to_string(pixelOffset));
    l.pixelEnd = pixelOffset + static_cast<std::size_t>(needed);
  }
  return l;
}

std::uint32_t paletteColour(const Layout& l, std::uint32_t index, const BmpError& fail) {
  if (index >= l.palette.size())
    fail("palette index " + std::to_string(index) + " lies past the palette of " +
         std::to_string(l.palette.size()) + " colours");
  return l.palette[index];
}

void decodePlain(std::span<const std::uint8_t> b, const Layout& l, Surface& out,
                 const BmpError& fail) {
  const std::size_t stride = (static_cast<std::size_t>(l.width) * l.bitsPerPixel + 31) / 32 * 4;
  const bool masked = l.compression != kBiRgb || l.bitsPerPixel == 16;
  for (int i = 0; i < l.height; ++i) {
    const std::uint8_t* p = b.data() + l.pixelOffset + stride * static_cast<std::size_t>(i);
    std::uint32_t* row = out.row(l.topDown ? i : l.height - 1 - i);
    switch (l.bitsPerPixel) {
      case 1:
      case 4:
      case 8: {
        const int bpp = l.bitsPerPixel;
        const int perByte = 8 / bpp;
        const std::uint32_t indexMask = (1u << bpp) - 1;
        for (int x = 0; x < l.width; ++x) {
          const int shift = 8 - bpp * (x % perByte + 1);
          row[x] = paletteColour(l, (p[x / perByte] >> shift) & indexMask, fail);
        }
        break;
      }
      case 16:
        for (int x = 0; x < l.width; ++x) {
          const std::uint32_t v = p[2 * x] | static_cast<std::uint32_t>(p[2 * x + 1]) << 8;
          row[x] = l.red.of(v) << 16 | l.green.of(v) << 8 | l.blue.of(v);
        }
        break;
      case 24:
        for (int x = 0; x < l.width; ++x)
          row[x] = static_cast<std::uint32_t>(p[3 * x + 2]) << 16 |
                   static_cast<std::uint32_t>(p[3 * x + 1]) << 8 | p[3 * x];
        break;
      case 32:
        for (int x = 0; x < l.width; ++x) {
          const std::uint8_t* q = p + 4 * x;
          if (masked) {
            const std::uint32_t v = q[0] | static_cast<std::uint32_t>(q[1]) << 8 |
                                    static_cast<std::uint32_t>(q[2]) << 16 |
                                    static_cast<std::uint32_t>(q[3]) << 24;
            row[x] = l.red.of(v) << 16 | l.green.of(v) << 8 | l.blue.of(v);
          } else {
            // The fourth byte is ignored: station pictures are opaque.
            row[x] = static_cast<std::uint32_t>(q[2]) << 16 |
                     static_cast<std::uint32_t>(q[1]) << 8 | q[0];
          }
        }
        break;
    }
  }
}

// Run-length pixels, rows from the bottom. Pixels the runs skip stay black, as on a
// freshly made bitmap.
void decodeRle(std::span<const std::uint8_t> b, const Layout& l, Surface& out,
               const BmpError& fail) {
  const bool four = l.compression == kBiRle4;
  std::size_t at = l.pixelOffset;
  const std::size_t end = l.pixelEnd;
  long long x = 0, y = 0;
  const auto put = [&](std::uint32_t index) {
    out.row(l.height - 1 - static_cast<int>(y))[x++] = paletteColour(l, index, fail);
  };
  const auto room = [&](long long count) {
    if (y >= l.height) fail("a run lies above the last row");
    if (x + count > l.width) fail("a run goes past the end of row " + std::to_string(y));
  };
  for (;;) {
    if (end - at < 2) {
      if (y >= l.height) return;
      fail("the compressed pixels end before the end-of-bitmap mark");
    }
    const std::uint32_t count = b[at], value = b[at + 1];
    at += 2;
    if (count > 0) {
      room(count);
      for (std::uint32_t i = 0; i < count; ++i)
        put(four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
      continue;
    }
    if (value == 0) {  // end of row
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      return;
    } else if (value == 2) {  // jump right and up
      if (end - at < 2) fail("the compressed pixels end inside a jump");
      x += b[at];
      y += b[at + 1];
      at += 2;
      if (x > l.width || y > l.height || (y == l.height && x > 0)) fail("a jump leaves the bitmap");
    } else {  // literal pixels, padded to whole 16-bit words
      const std::size_t bytes = four ? (value + 1) / 2 : value;
      const std::size_t padded = (bytes + 1) / 2 * 2;
      if (end - at < padded) fail("the compressed pixels end inside a literal run");
      room(value);
      for (std::uint32_t i = 0; i < value; ++i) {
        const std::uint32_t byte = b[at + (four ? i / 2 : i)];
        put(four ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
      }
      at += padded;
    }
  }
}

}  // namespace

Surface decodeBmp(std::span<const std::uint8_t> bytes, const std::string& name) {
  const BmpError fail(name);
  const Layout layout = readLayout(bytes, fail);
  Surface out(layout.width, layout.height, 0);
  if (layout.compression == kBiRle8 || layout.compression == kBiRle4)
    decodeRle(bytes, layout, out, fail);
  else
    decodePlain(bytes, layout, out, fail);
  return out;
}

Surface loadBmp(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::path full = path.is_absolute() ? path : std::filesystem::absolute(path, ec);
  if (ec) full = path;
  const std::string name = full.string();
  const BmpError fail(name);
  const auto status = std::filesystem::status(full, ec);
  if (ec || !std::filesystem::exists(status)) fail("no such file");
  if (std::filesystem::is_directory(status)) fail("it is a folder, not a file");
  const std::uintmax_t size = std::filesystem::file_size(full, ec);
  if (ec) fail("cannot tell its size (" + ec.message() + ")");
  if (size > kMaxFileBytes)
    fail("at " + std::to_string(size) + " bytes it is larger than any bitmap we read");
  std::ifstream in(full, std::ios::binary);
  if (!in) fail("cannot open it");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    fail("cannot read it");
  return decodeBmp(bytes, name);
}
