#pragma once
// The station's voices as the core sees them: a sound decoded once into memory, then any
// number of independent voices made from it, each played once or looping, stopped
// (keeping its position) and rewound. Samples are 22050 Hz, 16-bit, stereo interleaved.
// All calls come from the UI thread; the Mixer renders on the audio thread.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

inline constexpr int kSampleRate = 22050;
inline constexpr int kChannels = 2;

// Decoded, read-only samples shared by every voice made from one file.
struct SampleData {
  std::vector<std::int16_t> samples;  // interleaved L R L R ..., frames = size / 2
  std::size_t frames() const { return samples.size() / kChannels; }
};

using VoiceId = int;
inline constexpr VoiceId kNoVoice = -1;

// What a voice did; only calls that change something are reported.
enum class VoiceEvent {
  Started,  // play on a voice that was not playing
  Stopped,  // stop on a playing voice
  Rewound,  // rewind of a voice whose position was not 0
  Ended,    // a voice played once reached its end by itself
};

class VoiceListener {
 public:
  virtual ~VoiceListener() = default;
  // Started, Stopped, Rewound come on the caller's thread; Ended on the UI thread too, when
  // the mixer's owner collects it (Mixer::deliverEvents), never on the rendering thread.
  virtual void onVoiceEvent(VoiceId voice, VoiceEvent event) = 0;
};

inline constexpr int kPlayOnce = 0;
inline constexpr int kPlayLooping = 1;

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual VoiceId createVoice(std::shared_ptr<const SampleData> sound) = 0;
  // The voice falls silent for good and its id is not used again.
  virtual void removeVoice(VoiceId voice) = 0;
  // flags kPlayOnce: once from the current position; kPlayLooping: until stopped.
  // Playing a voice that plays already leaves it playing, without restarting it.
  virtual void play(VoiceId voice, int flags) = 0;
  virtual void stop(VoiceId voice) = 0;
  virtual void rewind(VoiceId voice) = 0;
  virtual bool isPlaying(VoiceId voice) const = 0;
  // Position in frames from the sound's start.
  virtual std::size_t position(VoiceId voice) const = 0;
};
