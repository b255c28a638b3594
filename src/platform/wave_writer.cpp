#include "platform/wave_writer.h"

#include <sndfile.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/sound_output.h"

void writeWave(const std::filesystem::path& path, std::span<const std::int16_t> interleaved) {
  SF_INFO info{};
  info.samplerate = kSampleRate;
  info.channels = kChannels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(sf_open(path.c_str(), SFM_WRITE, &info),
                                                   sf_close);
  if (!file)
    throw std::runtime_error("cannot write the sound " + path.string() + ": " +
                             sf_strerror(nullptr));
  const sf_count_t frames = static_cast<sf_count_t>(interleaved.size() / kChannels);
  if (sf_writef_short(file.get(), interleaved.data(), frames) != frames)
    throw std::runtime_error("cannot write the sound " + path.string() + ": " +
                             sf_strerror(file.get()));
}
