#include "platform/bmp_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/bmp_writer.h"
#include "platform/load_error.h"
#include "support/fixtures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
void set32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Everything a test bitmap can say about itself; the pixels are already laid out.
struct BmpFile {
  int headerBytes = 40;  // 12 core, 40 info, 52/56 with masks, 108 v4, 124 v5
  int width = 3;
  int height = 2;  // negative: top-down
  int bitsPerPixel = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::uint32_t colourCount = 0;
  std::uint32_t masks[3] = {0, 0, 0};
  Bytes pixels;
};

Bytes build(const BmpFile& f) {
  const bool core = f.headerBytes == 12;
  const bool bitfields = f.compression == 3;
  const std::size_t maskBytes = bitfields && f.headerBytes == 40 ? 12 : 0;
  const std::size_t paletteBytes = f.palette.size() * (core ? 3 : 4);
  const std::uint32_t offset =
      static_cast<std::uint32_t>(14 + f.headerBytes + maskBytes + paletteBytes);
  Bytes b;
  b.push_back('B');
  b.push_back('M');
  put32(b, static_cast<std::uint32_t>(offset + f.pixels.size()));
  put32(b, 0);
  put32(b, offset);
  put32(b, static_cast<std::uint32_t>(f.headerBytes));
  if (core) {
    put16(b, static_cast<std::uint32_t>(f.width));
    put16(b, static_cast<std::uint32_t>(f.height));
    put16(b, 1);
    put16(b, static_cast<std::uint32_t>(f.bitsPerPixel));
  } else {
    put32(b, static_cast<std::uint32_t>(f.width));
    put32(b, static_cast<std::uint32_t>(f.height));
    put16(b, 1);
    put16(b, static_cast<std::uint32_t>(f.bitsPerPixel));
    put32(b, f.compression);
    put32(b, static_cast<std::uint32_t>(f.pixels.size()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, f.colourCount);
    put32(b, 0);
    // The masks sit in the header from 52 bytes on (and after a 40-byte one).
    const std::size_t headerEnd = 14 + static_cast<std::size_t>(f.headerBytes);
    if (f.headerBytes > 40 || bitfields)
      for (std::uint32_t m : f.masks) put32(b, m);
    while (b.size() < headerEnd) b.push_back(0);
  }
  for (std::uint32_t c : f.palette) {
    b.push_back(static_cast<std::uint8_t>(c));
    b.push_back(static_cast<std::uint8_t>(c >> 8));
    b.push_back(static_cast<std::uint8_t>(c >> 16));
    if (!core) b.push_back(0);
  }
  b.insert(b.end(), f.pixels.begin(), f.pixels.end());
  return b;
}

// The test picture, top row first, as indices into a colour table.
using Grid = std::vector<std::vector<int>>;

std::uint32_t maskValue(std::uint32_t mask, std::uint32_t channel) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  const std::uint64_t max = mask >> shift;
  return static_cast<std::uint32_t>((channel * max + 127) / 255) << shift;
}

// Lays the grid out as uncompressed rows of the given depth, padded to 32 bits.
Bytes layOut(const Grid& grid, int bpp, const std::vector<std::uint32_t>& colours,
             const std::uint32_t* masks, bool topDown, std::uint8_t fourthByte = 0) {
  const int h = static_cast<int>(grid.size()), w = static_cast<int>(grid[0].size());
  const std::size_t stride = (static_cast<std::size_t>(w) * bpp + 31) / 32 * 4;
  Bytes out;
  for (int i = 0; i < h; ++i) {
    const auto& row = grid[topDown ? i : h - 1 - i];
    Bytes r(stride, 0);
    for (int x = 0; x < w; ++x) {
      const int v = row[x];
      const std::uint32_t c = colours[v];
      switch (bpp) {
        case 1:
        case 4:
        case 8: r[x * bpp / 8] |= static_cast<std::uint8_t>(v << (8 - bpp - (x * bpp) % 8)); break;
        case 16:
        case 32: {
          std::uint32_t p = maskValue(masks[0], c >> 16) | maskValue(masks[1], (c >> 8) & 0xFF) |
                            maskValue(masks[2], c & 0xFF);
          if (bpp == 32 && masks[0] == 0xFF0000) p |= static_cast<std::uint32_t>(fourthByte) << 24;
          for (int k = 0; k < bpp / 8; ++k)
            r[x * bpp / 8 + k] = static_cast<std::uint8_t>(p >> (8 * k));
          break;
        }
        case 24:
          r[x * 3] = static_cast<std::uint8_t>(c);
          r[x * 3 + 1] = static_cast<std::uint8_t>(c >> 8);
          r[x * 3 + 2] = static_cast<std::uint8_t>(c >> 16);
          break;
      }
    }
    out.insert(out.end(), r.begin(), r.end());
  }
  return out;
}

Surface expected(const Grid& grid, const std::vector<std::uint32_t>& colours) {
  Surface s(static_cast<int>(grid[0].size()), static_cast<int>(grid.size()));
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) s.row(y)[x] = grid[y][x] < 0 ? 0 : colours[grid[y][x]];
  return s;
}

void expectSame(const Surface& got, const Surface& want) {
  ASSERT_EQ(got.width, want.width);
  ASSERT_EQ(got.height, want.height);
  for (int y = 0; y < want.height; ++y)
    for (int x = 0; x < want.width; ++x)
      EXPECT_EQ(got.at(x, y), want.at(x, y)) << "pixel (" << x << ", " << y << ")";
}

const std::vector<std::uint32_t> kPalette = {0x123456, 0xABCDEF, 0x00FF80, 0x7F0001};
// Colours whose channels survive five bits exactly.
const std::vector<std::uint32_t> kPrimaries = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
const Grid kGrid = {{0, 1, 2, 3, 2}, {3, 2, 1, 0, 1}, {1, 1, 0, 3, 3}};
const Grid kTwoColourGrid = {{0, 1, 1, 0, 1}, {1, 0, 1, 1, 0}, {0, 0, 1, 0, 1}};

struct FormatCase {
  const char* name;
  int headerBytes;
  int bpp;
  std::uint32_t compression;
  bool topDown;
  std::uint32_t masks[3];
  bool primaries;  // draw from kPrimaries instead of kPalette
  std::uint8_t fourthByte = 0;
};

const std::vector<FormatCase> kFormats = {
    {"core 1 bit", 12, 1, 0, false, {}, false},
    {"core 4 bit", 12, 4, 0, false, {}, false},
    {"core 8 bit", 12, 8, 0, false, {}, false},
    {"core 24 bit", 12, 24, 0, false, {}, false},
    {"info 1 bit", 40, 1, 0, false, {}, false},
    {"info 4 bit", 40, 4, 0, false, {}, false},
    {"info 8 bit", 40, 8, 0, false, {}, false},
    {"info 8 bit top-down", 40, 8, 0, true, {}, false},
    {"info 16 bit 5-5-5", 40, 16, 0, false, {0x7C00, 0x03E0, 0x001F}, true},
    {"info 16 bit 5-6-5 bit fields", 40, 16, 3, false, {0xF800, 0x07E0, 0x001F}, true},
    {"info 16 bit 4-4-4 bit fields", 40, 16, 3, true, {0x0F00, 0x00F0, 0x000F}, true},
    {"info 24 bit", 40, 24, 0, false, {}, false},
    {"info 24 bit top-down", 40, 24, 0, true, {}, false},
    {"info 32 bit, fourth byte ignored", 40, 32, 0, false, {0xFF0000, 0xFF00, 0xFF}, false, 0xFF},
    {"info 32 bit bit fields, blue high", 40, 32, 3, false, {0xFF00, 0xFF0000, 0xFF000000}, false},
    {"v3 header 16 bit bit fields", 56, 16, 3, false, {0xF800, 0x07E0, 0x001F}, true},
    {"v3 header 32 bit bit fields", 52, 32, 3, true, {0xFF0000, 0xFF00, 0xFF}, false},
    {"v4 header 24 bit", 108, 24, 0, false, {}, false},
    {"v4 header 32 bit bit fields", 108, 32, 3, false, {0xFF000000, 0xFF0000, 0xFF00}, false},
    {"v5 header 8 bit", 124, 8, 0, true, {}, false},
    {"v5 header 32 bit, fourth byte ignored",
     124,
     32,
     0,
     false,
     {0xFF0000, 0xFF00, 0xFF},
     false,
     0x80},
};

TEST(BmpReader, DecodesEveryHeaderDepthAndRowOrder) {
  for (const auto& c : kFormats) {
    SCOPED_TRACE(c.name);
    const Grid& grid = c.bpp == 1 ? kTwoColourGrid : kGrid;
    const auto& colours = c.primaries ? kPrimaries : kPalette;
    BmpFile f;
    f.headerBytes = c.headerBytes;
    f.width = static_cast<int>(grid[0].size());
    f.height = static_cast<int>(grid.size()) * (c.topDown ? -1 : 1);
    f.bitsPerPixel = c.bpp;
    f.compression = c.compression;
    for (int i = 0; i < 3; ++i) f.masks[i] = c.masks[i];
    if (c.bpp <= 8) {
      f.palette = colours;
      f.palette.resize(std::size_t{1} << c.bpp, 0x00FFFFFF);
    }
    f.pixels = layOut(grid, c.bpp, colours, c.masks, c.topDown, c.fourthByte);
    expectSame(decodeBmp(build(f), "t.bmp"), expected(grid, colours));
  }
}

TEST(BmpReader, ReadsAShortPaletteGivenByTheColourCount) {
  BmpFile f;
  f.bitsPerPixel = 8;
  f.palette = kPalette;
  f.colourCount = 4;
  f.pixels = layOut(kGrid, 8, kPalette, nullptr, false);
  f.width = 5;
  f.height = 3;
  expectSame(decodeBmp(build(f), "t.bmp"), expected(kGrid, kPalette));
}

struct RleCase {
  const char* name;
  int bpp;
  int width, height;
  Bytes data;
  Grid want;  // -1: a pixel the runs skip, black
};

const std::vector<RleCase> kRleCases = {
    {"8 bit runs, literal, jump",
     8,
     4,
     3,
     {3, 1, 1, 2, 0, 0,        // bottom row: three of 1, one of 2
      0, 4, 0, 1, 2, 3, 0, 0,  // middle row: literal 0 1 2 3
      0, 2, 2, 0, 2, 3,        // top row: jump two right, two of 3
      0, 1},
     {{-1, -1, 3, 3}, {0, 1, 2, 3}, {1, 1, 1, 2}}},
    {"8 bit odd literal is padded", 8, 3, 1, {0, 3, 2, 1, 0, 0xEE, 0, 1}, {{2, 1, 0}}},
    {"8 bit jump up skips a row",
     8,
     2,
     3,
     {2, 1, 0, 0, 0, 2, 0, 1, 2, 3, 0, 1},
     {{3, 3}, {-1, -1}, {1, 1}}},
    {"8 bit last row ends without a mark", 8, 2, 2, {2, 1, 0, 0, 2, 2, 0, 0}, {{2, 2}, {1, 1}}},
    {"4 bit runs alternate nibbles",
     4,
     4,
     2,
     {4, 0x12, 0, 0, 0, 3, 0x30, 0x10, 0, 1},
     {{3, 0, 1, -1}, {1, 2, 1, 2}}},
    {"4 bit odd run", 4, 3, 1, {3, 0x23, 0, 1}, {{2, 3, 2}}},
};

TEST(BmpReader, DecodesRunLengthPixels) {
  for (const auto& c : kRleCases) {
    SCOPED_TRACE(c.name);
    BmpFile f;
    f.width = c.width;
    f.height = c.height;
    f.bitsPerPixel = c.bpp;
    f.compression = c.bpp == 8 ? 1 : 2;
    f.palette = kPalette;
    f.colourCount = 4;
    f.pixels = c.data;
    expectSame(decodeBmp(build(f), "t.bmp"), expected(c.want, kPalette));
  }
}

BmpFile plain24() {
  BmpFile f;
  f.width = 5;
  f.height = 3;
  f.pixels = layOut(kGrid, 24, kPalette, nullptr, false);
  return f;
}

BmpFile rle8(Bytes data) {
  BmpFile f;
  f.width = 4;
  f.height = 2;
  f.bitsPerPixel = 8;
  f.compression = 1;
  f.palette = kPalette;
  f.colourCount = 4;
  f.pixels = std::move(data);
  return f;
}

struct BrokenCase {
  const char* name;
  Bytes bytes;
  const char* says;
};

std::vector<BrokenCase> brokenCases() {
  std::vector<BrokenCase> cases;
  const Bytes good = build(plain24());
  cases.push_back({"empty file", {}, "too short"});
  {
    Bytes b = good;
    b[0] = 'P';
    b[1] = 'N';
    cases.push_back({"wrong magic", b, "does not start with \"BM\""});
  }
  cases.push_back(
      {"truncated header", Bytes(good.begin(), good.begin() + 30), "header is cut off"});
  {
    Bytes b = good;
    set32(b, 14, 20);
    cases.push_back({"unknown header size", b, "unsupported bitmap header of 20 bytes"});
  }
  {
    BmpFile f = plain24();
    f.width = 32768;
    f.height = 32768;
    Bytes b = build(f);
    b.resize(4096);
    cases.push_back({"absurd size in a small file", b, "32768 x 32768 is outside 1..16384"});
  }
  {
    BmpFile f = plain24();
    f.width = 16384;
    f.height = -16384;
    f.bitsPerPixel = 32;
    cases.push_back({"largest size with no pixels", build(f), "pixels need"});
  }
  {
    BmpFile f = plain24();
    f.width = 0;
    cases.push_back({"zero width", build(f), "0 x 3 is outside"});
  }
  {
    BmpFile f = plain24();
    f.height = 0;
    cases.push_back({"zero height", build(f), "5 x 0 is outside"});
  }
  cases.push_back({"truncated pixels", Bytes(good.begin(), good.end() - 4), "pixels need"});
  {
    Bytes b = good;
    set32(b, 10, static_cast<std::uint32_t>(b.size()));
    cases.push_back({"pixel offset past the end", b, "past the end of the file"});
  }
  {
    Bytes b = good;
    set32(b, 10, 20);
    cases.push_back({"pixel offset inside the header", b, "inside the headers"});
  }
  {
    BmpFile f = plain24();
    f.compression = 1;
    cases.push_back({"24 bits run-length coded", build(f), "cannot go with compression 1"});
  }
  {
    BmpFile f = plain24();
    f.compression = 4;
    cases.push_back({"embedded JPEG", build(f), "unsupported compression 4"});
  }
  {
    BmpFile f = plain24();
    f.bitsPerPixel = 2;
    cases.push_back({"2 bits per pixel", build(f), "2 bits per pixel"});
  }
  {
    BmpFile f = plain24();
    f.bitsPerPixel = 32;
    f.compression = 3;
    f.masks[0] = 0xF0F000;
    f.masks[1] = 0xFF00;
    f.masks[2] = 0xFF;
    f.pixels.assign(5 * 3 * 4, 0);
    cases.push_back({"mask with a gap", build(f), "not one run of bits"});
  }
  {
    BmpFile f = plain24();
    f.bitsPerPixel = 8;
    f.palette.clear();
    f.pixels.assign(8 * 3, 0);
    cases.push_back({"8 bits without a palette", build(f), "palette is missing"});
  }
  {
    BmpFile f = plain24();
    f.bitsPerPixel = 8;
    f.palette = {0x000000, 0xFFFFFF};
    f.colourCount = 2;
    f.pixels.assign(8 * 3, 0);
    f.pixels[4] = 3;
    cases.push_back(
        {"index past the palette", build(f), "palette index 3 lies past the palette of 2"});
  }
  cases.push_back({"run past the end of a row", build(rle8({3, 1, 2, 1, 0, 1})),
                   "a run goes past the end of row 0"});
  cases.push_back({"literal past the end of a row", build(rle8({0, 5, 1, 1, 1, 1, 1, 0, 0, 1})),
                   "a run goes past the end of row 0"});
  cases.push_back(
      {"run above the last row", build(rle8({0, 0, 0, 0, 2, 1, 0, 1})), "above the last row"});
  cases.push_back({"runs end without a mark", build(rle8({4, 1, 0, 0, 2, 1})),
                   "end before the end-of-bitmap mark"});
  cases.push_back({"literal cut off", build(rle8({0, 4, 1, 2})), "inside a literal run"});
  cases.push_back({"jump out of the bitmap", build(rle8({0, 2, 5, 0, 0, 1})), "a jump leaves"});
  cases.push_back({"jump cut off", build(rle8({0, 2, 1})), "inside a jump"});
  cases.push_back({"run index past the palette", build(rle8({2, 9, 0, 1})),
                   "palette index 9 lies past the palette of 4"});
  {
    BmpFile f = rle8({4, 1, 0, 0, 4, 2, 0, 1});
    f.height = -2;
    cases.push_back({"top-down run-length bitmap", build(f), "cannot be stored top-down"});
  }
  return cases;
}

TEST(BmpReader, RejectsBrokenFilesNamingThemAndTheFault) {
  for (const auto& c : brokenCases()) {
    SCOPED_TRACE(c.name);
    try {
      decodeBmp(c.bytes, "/stations/駅素材/bad.bmp");
      ADD_FAILURE() << "decoded a broken file";
    } catch (const LoadError& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find("/stations/駅素材/bad.bmp"), std::string::npos) << message;
      EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
  }
}

TEST(BmpWriter, WritesWhatTheReaderReadsBack) {
  for (int w : {1, 2, 3, 4, 5}) {
    SCOPED_TRACE(w);
    Surface s(w, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < w; ++x) s.row(y)[x] = 0x00102030u * static_cast<std::uint32_t>(x + 1) + y;
    expectSame(decodeBmp(WriteBmp24(s), "round.bmp"), s);
  }
}

TEST(BmpReader, LoadsFromAPathAndNamesTheFullPathOnFailure) {
  TempFolder folder;
  Surface s(3, 2, 0x00ABCDEF);
  const Bytes bytes = WriteBmp24(s);
  writeFile(folder.path() / "ok.bmp", std::string(bytes.begin(), bytes.end()));
  expectSame(loadBmp(folder.path() / "ok.bmp"), s);

  const auto missing = folder.path() / "missing.bmp";
  try {
    loadBmp(missing);
    ADD_FAILURE() << "loaded a missing file";
  } catch (const LoadError& e) {
    EXPECT_NE(std::string(e.what()).find(missing.string() + ": no such file"), std::string::npos)
        << e.what();
  }
  try {
    loadBmp(folder.path());
    ADD_FAILURE() << "loaded a folder";
  } catch (const LoadError& e) {
    EXPECT_NE(std::string(e.what()).find("folder"), std::string::npos) << e.what();
  }
}

}  // namespace
