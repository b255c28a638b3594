#include "platform/sound_cache.h"

#include "platform/wave_loader.h"

std::shared_ptr<const SampleData> SoundCache::get(const std::filesystem::path& path) {
  const std::filesystem::path key = path.lexically_normal();
  if (auto it = sounds_.find(key); it != sounds_.end()) return it->second;
  auto sound = loadWave(path);
  sounds_.emplace(key, sound);
  return sound;
}
