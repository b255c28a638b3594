#pragma once
// Writes what the mixer rendered (22050 Hz, 16-bit stereo, interleaved) as a PCM .wav
// file, so the simulator can keep what it played. Any thread.
#include <cstdint>
#include <filesystem>
#include <span>

// Throws std::runtime_error naming the path when the file cannot be written.
void writeWave(const std::filesystem::path& path, std::span<const std::int16_t> interleaved);
