#include "platform/wave_loader.h"

#include <samplerate.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <system_error>
#include <vector>

#include "platform/load_error.h"

namespace {

using SndFile = std::unique_ptr<SNDFILE, int (*)(SNDFILE*)>;

class WaveError {
 public:
  explicit WaveError(const std::string& name) : name_(name) {}
  [[noreturn]] void operator()(const std::string& what) const {
    throw LoadError("cannot read the sound " + name_ + ": " + what);
  }

 private:
  const std::string& name_;
};

// A file held in memory, read through libsndfile's virtual I/O.
struct MemoryFile {
  std::span<const std::uint8_t> bytes;
  sf_count_t at = 0;
};

sf_count_t memoryLength(void* user) {
  return static_cast<sf_count_t>(static_cast<MemoryFile*>(user)->bytes.size());
}
sf_count_t memorySeek(sf_count_t offset, int whence, void* user) {
  auto* f = static_cast<MemoryFile*>(user);
  const sf_count_t size = static_cast<sf_count_t>(f->bytes.size());
  sf_count_t to = offset;
  if (whence == SEEK_CUR) to += f->at;
  if (whence == SEEK_END) to += size;
  if (to < 0 || to > size) return -1;
  f->at = to;
  return to;
}
sf_count_t memoryRead(void* out, sf_count_t count, void* user) {
  auto* f = static_cast<MemoryFile*>(user);
  const sf_count_t n =
      std::clamp<sf_count_t>(static_cast<sf_count_t>(f->bytes.size()) - f->at, 0, count);
  if (n > 0) std::copy_n(f->bytes.data() + f->at, n, static_cast<std::uint8_t*>(out));
  f->at += n;
  return n;
}
sf_count_t memoryWrite(const void*, sf_count_t, void*) {
  return 0;
}
sf_count_t memoryTell(void* user) {
  return static_cast<MemoryFile*>(user)->at;
}

std::int16_t toSample(float v) {
  return static_cast<std::int16_t>(std::clamp(std::lround(v * 32768.0f), -32768L, 32767L));
}

std::shared_ptr<const SampleData> decode(SNDFILE* file, const SF_INFO& info,
                                         const WaveError& fail) {
  if (info.channels < 1 || info.channels > kMaxWaveChannels)
    fail("it has " + std::to_string(info.channels) + " channels; we play 1 to " +
         std::to_string(kMaxWaveChannels));
  if (info.samplerate < kMinWaveRate || info.samplerate > kMaxWaveRate)
    fail("its rate of " + std::to_string(info.samplerate) + " Hz lies outside " +
         std::to_string(kMinWaveRate) + ".." + std::to_string(kMaxWaveRate) + " Hz");
  if (info.frames < 0 || info.frames > static_cast<sf_count_t>(info.samplerate) * kMaxWaveSeconds)
    fail("it is longer than " + std::to_string(kMaxWaveSeconds / 60) + " minutes");

  const int channels = info.channels;
  std::vector<float> raw(static_cast<std::size_t>(info.frames) * channels);
  const sf_count_t got = sf_readf_float(file, raw.data(), info.frames);
  if (got < 0 || sf_error(file) != SF_ERR_NO_ERROR) fail(sf_strerror(file));
  const std::size_t frames = static_cast<std::size_t>(got);

  // Down to two channels: every channel past the second goes to both sides at half weight.
  std::vector<float> stereo(frames * 2);
  const float scale = 1.0f / (1.0f + 0.5f * static_cast<float>(std::max(0, channels - 2)));
  for (std::size_t i = 0; i < frames; ++i) {
    const float* in = raw.data() + i * channels;
    if (channels == 1) {
      stereo[2 * i] = stereo[2 * i + 1] = in[0];
      continue;
    }
    float shared = 0;
    for (int c = 2; c < channels; ++c) shared += 0.5f * in[c];
    stereo[2 * i] = (in[0] + shared) * scale;
    stereo[2 * i + 1] = (in[1] + shared) * scale;
  }
  raw = {};

  const std::size_t target = static_cast<std::size_t>(
      std::llround(static_cast<double>(frames) * kSampleRate / info.samplerate));
  if (info.samplerate != kSampleRate && frames > 0) {
    std::vector<float> converted((target + 16) * 2);
    SRC_DATA d{};
    d.data_in = stereo.data();
    d.input_frames = static_cast<long>(frames);
    d.data_out = converted.data();
    d.output_frames = static_cast<long>(converted.size() / 2);
    d.src_ratio = static_cast<double>(kSampleRate) / info.samplerate;
    d.end_of_input = 1;
    if (const int e = src_simple(&d, SRC_SINC_FASTEST, 2); e != 0)
      fail(std::string("cannot convert its rate: ") + src_strerror(e));
    // The converter may give a frame more or less; the sound keeps its exact length.
    converted.resize(static_cast<std::size_t>(d.output_frames_gen) * 2);
    converted.resize(target * 2, 0.0f);
    stereo = std::move(converted);
  }

  auto out = std::make_shared<SampleData>();
  out->samples.resize(target * 2);
  std::transform(stereo.begin(), stereo.begin() + static_cast<std::ptrdiff_t>(target * 2),
                 out->samples.begin(), toSample);
  return out;
}

}  // namespace

std::shared_ptr<const SampleData> decodeWave(std::span<const std::uint8_t> bytes,
                                             const std::string& name) {
  const WaveError fail(name);
  MemoryFile memory{bytes};
  SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
  SF_INFO info{};
  SndFile file(sf_open_virtual(&io, SFM_READ, &info, &memory), sf_close);
  if (!file) fail(std::string("not a sound file we can read (") + sf_strerror(nullptr) + ")");
  return decode(file.get(), info, fail);
}

std::shared_ptr<const SampleData> loadWave(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::path full = path.is_absolute() ? path : std::filesystem::absolute(path, ec);
  if (ec) full = path;
  const std::string name = full.string();
  const WaveError fail(name);
  const auto status = std::filesystem::status(full, ec);
  if (ec || !std::filesystem::exists(status)) fail("no such file");
  if (std::filesystem::is_directory(status)) fail("it is a folder, not a file");
  SF_INFO info{};
  SndFile file(sf_open(full.c_str(), SFM_READ, &info), sf_close);
  if (!file) fail(std::string("not a sound file we can read (") + sf_strerror(nullptr) + ")");
  return decode(file.get(), info, fail);
}
