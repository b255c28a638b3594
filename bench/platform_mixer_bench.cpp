// One second of a whole station's 164 voices playing at once, rendered the way the audio
// device asks for it (512-frame buffers). Aim: well under 5 ms per second of sound.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "platform/mixer.h"

namespace {

void BM_MixerOneSecond(benchmark::State& state) {
  const int voices = static_cast<int>(state.range(0));
  Mixer mixer;
  for (int v = 0; v < voices; ++v) {
    auto sound = std::make_shared<SampleData>();
    // Three seconds of a quiet saw, a different pitch per voice.
    sound->samples.resize(static_cast<std::size_t>(kSampleRate) * 3 * kChannels);
    for (std::size_t i = 0; i < sound->samples.size(); ++i)
      sound->samples[i] = static_cast<std::int16_t>((i * static_cast<std::size_t>(v + 1)) % 400);
    mixer.play(mixer.createVoice(std::move(sound)), kPlayLooping);
  }
  constexpr std::size_t kBufferFrames = 512;
  std::vector<std::int16_t> buffer(kBufferFrames * kChannels);
  for (auto _ : state) {
    for (std::size_t done = 0; done < static_cast<std::size_t>(kSampleRate); done += kBufferFrames)
      mixer.render(buffer.data(), kBufferFrames);
    benchmark::DoNotOptimize(buffer.data());
  }
}

BENCHMARK(BM_MixerOneSecond)->Arg(1)->Arg(164)->Unit(benchmark::kMillisecond);

}  // namespace
