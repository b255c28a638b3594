#pragma once
// Sounds from .wav files (any variant libsndfile reads: PCM 8-32 bit, float, ADPCM, a-law,
// mu-law, WAVE_FORMAT_EXTENSIBLE), converted to what the mixer plays: 22050 Hz, 16-bit,
// stereo, with the length kept (round(frames x 22050 / rate) frames). Mono is doubled;
// with more channels the first two are left and right and every further one is shared
// equally by both sides, scaled so that a full-scale sound stays full scale. Any thread.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "platform/sound_output.h"

inline constexpr int kMaxWaveChannels = 8;
inline constexpr int kMinWaveRate = 4000;
inline constexpr int kMaxWaveRate = 192000;
inline constexpr int kMaxWaveSeconds = 600;

// Decodes a whole sound file held in memory; `name` is how errors name it. Throws
// LoadError "cannot read the sound <name>: <what was wrong>".
std::shared_ptr<const SampleData> decodeWave(std::span<const std::uint8_t> bytes,
                                             const std::string& name);

// Reads and decodes the file at `path`; errors name the full path.
std::shared_ptr<const SampleData> loadWave(const std::filesystem::path& path);
