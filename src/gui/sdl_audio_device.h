#pragma once
// The sound card: SDL2's default audio device opened for 22050 Hz, 16-bit stereo (SDL
// converts to what the hardware wants). Its callback, on SDL's audio thread, asks the
// render function for every buffer; the mixer behind it is the one object both threads
// touch. Only SDL's audio subsystem is initialised, never its video, and SDL's signal
// handlers are switched off so Ctrl+C and SIGTERM still end the program. Open and close
// on the UI thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class SdlAudioDevice {
 public:
  // Fills `frames` interleaved stereo frames at 22050 Hz.
  using Render = std::function<void(std::int16_t* out, int frames)>;

  // The device, playing; null with `error` saying why there is no sound.
  static std::unique_ptr<SdlAudioDevice> open(Render render, std::string* error);
  ~SdlAudioDevice();
  SdlAudioDevice(const SdlAudioDevice&) = delete;
  SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

  const std::string& driver() const { return driver_; }
  int bufferFrames() const { return bufferFrames_; }

  // SDL's callback: `len` bytes of 16-bit stereo.
  static void fill(void* device, std::uint8_t* stream, int len);

 private:
  SdlAudioDevice(Render render) : render_(std::move(render)) {}

  Render render_;
  std::uint32_t id_ = 0;
  std::string driver_;
  int bufferFrames_ = 0;
};
