#pragma once
// The bitmaps of one station load, kept by resolved path: a picture asked for again is
// shared, not decoded again. Owned by the load that fills it; UI thread only.
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>

#include "platform/surface.h"

class BitmapCache {
 public:
  // The decoded bitmap at `path` (a path on disk, as ProgramFolder::resolve gives it).
  // Throws LoadError naming the path when the file is missing or broken; a failure is
  // not remembered, so a later call tries the file again.
  std::shared_ptr<const Surface> get(const std::filesystem::path& path);

  std::size_t size() const { return bitmaps_.size(); }
  void clear() { bitmaps_.clear(); }

 private:
  std::map<std::filesystem::path, std::shared_ptr<const Surface>> bitmaps_;
};
