#include "gui/sdl_audio_device.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

struct DriverScope {
  explicit DriverScope(const char* driver) { ::setenv("SDL_AUDIODRIVER", driver, 1); }
  ~DriverScope() { ::unsetenv("SDL_AUDIODRIVER"); }
};

TEST(SdlAudioDevice, OpensOnTheDummyDriver) {
  DriverScope scope("dummy");
  std::string error;
  auto device = SdlAudioDevice::open([](std::int16_t*, int) {}, &error);
  ASSERT_NE(device, nullptr) << error;
  EXPECT_EQ(device->driver(), "dummy");
  EXPECT_GT(device->bufferFrames(), 0);
}

TEST(SdlAudioDevice, NoDeviceSaysSoAndNamesTheDriverProblem) {
  DriverScope scope("no-such-driver");
  std::string error;
  auto device = SdlAudioDevice::open([](std::int16_t*, int) {}, &error);
  EXPECT_EQ(device, nullptr);
  EXPECT_NE(error.find("no sound"), std::string::npos) << error;
  EXPECT_NE(error.find("SDL_AUDIODRIVER=dummy"), std::string::npos) << error;
}

TEST(SdlAudioDevice, TheCallbackAsksForWholeStereoFramesOverSilence) {
  DriverScope scope("dummy");
  std::string error;
  // SDL's own thread calls the render too, so it touches only the buffer it is handed.
  auto device = SdlAudioDevice::open(
      [](std::int16_t* out, int frames) {
        if (frames == 8) out[0] = 1000;  // writes only what it has
      },
      &error);
  ASSERT_NE(device, nullptr) << error;
  std::vector<std::uint8_t> buffer(4 * 8, 0xAB);
  SdlAudioDevice::fill(device.get(), buffer.data(), static_cast<int>(buffer.size()));
  const auto* samples = reinterpret_cast<const std::int16_t*>(buffer.data());
  EXPECT_EQ(samples[0], 1000);
  for (int i = 1; i < 16; ++i) EXPECT_EQ(samples[i], 0) << i;
}

TEST(SdlAudioDevice, WithoutARenderTheBufferIsSilent) {
  std::vector<std::uint8_t> buffer(16, 0xAB);
  SdlAudioDevice::fill(nullptr, buffer.data(), static_cast<int>(buffer.size()));
  for (auto b : buffer) EXPECT_EQ(b, 0);
}

}  // namespace
