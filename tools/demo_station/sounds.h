#pragma once
// Synthesised station sounds, 22050 Hz stereo, and a writer for 16-bit PCM wave files.
// Samples are floats in -1..1, interleaved left, right. Pure functions, any thread.
#include <filesystem>
#include <string>
#include <vector>

namespace demo {

inline constexpr int kSampleRate = 22050;

struct Sound {
  std::string name;           // file name without .wav
  std::vector<float> frames;  // interleaved stereo
};

// Every sound the demo station names, and the board sound 案内 last.
std::vector<Sound> makeSounds();

// 16-bit stereo PCM at kSampleRate; clips to -1..1. Throws std::runtime_error on failure.
void writeWave(const std::filesystem::path& path, const std::vector<float>& frames);

}  // namespace demo
