#include "platform/bitmap_cache.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/bmp_writer.h"
#include "platform/load_error.h"
#include "support/fixtures.h"

namespace {

void writeBitmap(const std::filesystem::path& path, std::uint32_t colour) {
  const auto bytes = WriteBmp24(Surface(2, 2, colour));
  writeFile(path, std::string(bytes.begin(), bytes.end()));
}

TEST(BitmapCache, DecodesEachPathOnceAndSharesIt) {
  TempFolder folder;
  writeBitmap(folder.path() / "a.bmp", 0x00112233);
  writeBitmap(folder.path() / "b.bmp", 0x00445566);
  BitmapCache cache;
  const auto a = cache.get(folder.path() / "a.bmp");
  // Rewriting the file shows that the second request does not read it again.
  writeBitmap(folder.path() / "a.bmp", 0x00FFFFFF);
  const auto again = cache.get(folder.path() / "." / "a.bmp");
  const auto b = cache.get(folder.path() / "b.bmp");
  EXPECT_EQ(a, again);
  EXPECT_EQ(a->at(1, 1), 0x00112233u);
  EXPECT_EQ(b->at(0, 0), 0x00445566u);
  EXPECT_EQ(cache.size(), 2u);
}

TEST(BitmapCache, AFailureIsThrownAndNotRemembered) {
  TempFolder folder;
  BitmapCache cache;
  const auto path = folder.path() / "late.bmp";
  EXPECT_THROW(cache.get(path), LoadError);
  EXPECT_EQ(cache.size(), 0u);
  writeBitmap(path, 0x00010203);
  EXPECT_EQ(cache.get(path)->at(0, 0), 0x00010203u);
}

}  // namespace
