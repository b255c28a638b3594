#pragma once
// The sounds of one station load, kept by resolved path: each distinct file is decoded
// once and its read-only samples shared by every voice made from it (a file named twice
// still gives two voices, each with its own position). Owned by the load; UI thread only.
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>

#include "platform/sound_output.h"

class SoundCache {
 public:
  // The decoded sound at `path` (a path on disk, as ProgramFolder::resolve gives it).
  // Throws LoadError naming the path; a failure is not remembered.
  std::shared_ptr<const SampleData> get(const std::filesystem::path& path);

  std::size_t size() const { return sounds_.size(); }
  void clear() { sounds_.clear(); }

 private:
  std::map<std::filesystem::path, std::shared_ptr<const SampleData>> sounds_;
};
