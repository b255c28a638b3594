#include "gui/sdl_audio_device.h"

#include <SDL.h>

#include <cstring>

#include "platform/sound_output.h"

namespace {

// About 23 ms a buffer: short enough for a bell to answer its button at once.
constexpr int kBufferFrames = 512;

}  // namespace

std::unique_ptr<SdlAudioDevice> SdlAudioDevice::open(Render render, std::string* error) {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    if (error)
      *error = std::string("no sound: SDL cannot start its audio: ") + SDL_GetError() +
               " (on a machine without sound, run with SDL_AUDIODRIVER=dummy)";
    return nullptr;
  }
  std::unique_ptr<SdlAudioDevice> device(new SdlAudioDevice(std::move(render)));
  SDL_AudioSpec want{};
  want.freq = kSampleRate;
  want.format = AUDIO_S16SYS;
  want.channels = kChannels;
  want.samples = kBufferFrames;
  want.callback = &SdlAudioDevice::fill;
  want.userdata = device.get();
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts our format to the hardware's itself.
  device->id_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device->id_ == 0) {
    if (error)
      *error = std::string("no sound: cannot open the audio device: ") + SDL_GetError() +
               " (on a machine without sound, run with SDL_AUDIODRIVER=dummy)";
    device.reset();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  if (const char* name = SDL_GetCurrentAudioDriver()) device->driver_ = name;
  device->bufferFrames_ = have.samples;
  SDL_PauseAudioDevice(device->id_, 0);
  return device;
}

SdlAudioDevice::~SdlAudioDevice() {
  if (id_ != 0) {
    SDL_CloseAudioDevice(id_);  // waits for a callback under way
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

void SdlAudioDevice::fill(void* device, std::uint8_t* stream, int len) {
  auto* self = static_cast<SdlAudioDevice*>(device);
  // Silence first, so a render that writes fewer frames never leaves old samples behind.
  std::memset(stream, 0, static_cast<std::size_t>(len));
  const int frames = len / static_cast<int>(kChannels * sizeof(std::int16_t));
  if (self && self->render_ && frames > 0)
    self->render_(reinterpret_cast<std::int16_t*>(stream), frames);
}
