// Any bytes as a wave file: 22050 Hz stereo samples or a LoadError.
#include <cstdint>
#include <span>

#include "platform/load_error.h"
#include "platform/wave_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const auto s = decodeWave(std::span<const std::uint8_t>(data, size), "fuzz.wav");
    (void)s;
  } catch (const LoadError&) {
  }
  return 0;
}
