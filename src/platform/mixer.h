#pragma once
// The station's mixer: voices made from shared, read-only samples, each with its own play
// state and position (frames of 22050 Hz stereo), mixed with saturation into 16-bit
// stereo. The UI thread creates, plays, stops and rewinds voices; the audio device's
// thread calls render. Both take one mutex, which render holds for one buffer's mix and
// the UI calls for a few field writes, so neither waits long and render never allocates.
//
// Events never run under the mutex, so a listener may call back into the mixer freely and
// no lock order can deadlock. They all reach the listener on the UI thread, in the order
// they happened: Started, Stopped and Rewound before the call that caused them returns;
// Ended (a voice played once that reached its end during a render) when the UI thread
// next calls deliverEvents() or any play, stop or rewind. The mixer must outlive the
// audio device that renders it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/sound_output.h"

class Mixer final : public SoundOutput {
 public:
  explicit Mixer(VoiceListener* listener = nullptr) : listener_(listener) {}

  // UI thread. Null: events are dropped.
  void setListener(VoiceListener* listener) { listener_ = listener; }

  VoiceId createVoice(std::shared_ptr<const SampleData> sound) override;
  void removeVoice(VoiceId voice) override;
  // Playing a voice that already plays keeps it going and takes the new flags, so a
  // looping voice played once stops at its end.
  void play(VoiceId voice, int flags) override;
  void stop(VoiceId voice) override;
  void rewind(VoiceId voice) override;
  bool isPlaying(VoiceId voice) const override;
  std::size_t position(VoiceId voice) const override;

  // Audio thread: writes `frames` frames (2 x frames samples, L R L R ...) of every playing
  // voice summed, saturated to the 16-bit range; silence when nothing plays.
  void render(std::int16_t* out, std::size_t frames);

  // UI thread: hands the listener every event that is still waiting.
  void deliverEvents();

  // The simulator's way of keeping what it played: renders `frames` more frames onto the
  // end of `recording` (write it out with writeWave). Allocates; not for the audio thread.
  void renderAppend(std::vector<std::int16_t>& recording, std::size_t frames);

 private:
  struct Voice {
    std::shared_ptr<const SampleData> sound;
    std::size_t position = 0;
    bool playing = false;
    bool looping = false;
    bool removed = false;
  };
  using Event = std::pair<VoiceId, VoiceEvent>;

  Voice* find(VoiceId voice);
  const Voice* find(VoiceId voice) const;
  void mixChunk(std::size_t frames);

  static constexpr std::size_t kChunkFrames = 512;

  mutable std::mutex mutex_;
  // Guarded by mutex_.
  std::vector<Voice> voices_;   // a voice's id is its index; ids are never reused
  std::vector<Event> pending_;  // capacity kept above what renders can add
  std::array<std::int32_t, kChunkFrames * kChannels> sum_{};

  // UI thread only.
  VoiceListener* listener_;
  std::vector<Event> delivering_;
  bool inDelivery_ = false;
};
