// Any bytes as a .bmp file: a whole opaque surface or a LoadError.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/bmp_reader.h"
#include "platform/load_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const Surface s = decodeBmp(std::span<const std::uint8_t>(data, size), "fuzz.bmp");
    if (s.width < 1 || s.height < 1 || s.pixels.size() != std::size_t(s.width) * s.height)
      std::abort();
    for (std::uint32_t p : s.pixels)
      if (p >> 24) std::abort();  // every pixel comes out opaque
  } catch (const LoadError&) {
  }
  return 0;
}
