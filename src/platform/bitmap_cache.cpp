#include "platform/bitmap_cache.h"

#include "platform/bmp_reader.h"

std::shared_ptr<const Surface> BitmapCache::get(const std::filesystem::path& path) {
  const std::filesystem::path key = path.lexically_normal();
  if (auto it = bitmaps_.find(key); it != bitmaps_.end()) return it->second;
  auto bitmap = std::make_shared<const Surface>(loadBmp(path));
  bitmaps_.emplace(key, bitmap);
  return bitmap;
}
