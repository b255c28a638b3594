#include "platform/mixer.h"

#include <algorithm>

Mixer::Voice* Mixer::find(VoiceId voice) {
  if (voice < 0 || static_cast<std::size_t>(voice) >= voices_.size()) return nullptr;
  Voice& v = voices_[static_cast<std::size_t>(voice)];
  return v.removed ? nullptr : &v;
}

const Mixer::Voice* Mixer::find(VoiceId voice) const {
  return const_cast<Mixer*>(this)->find(voice);
}

VoiceId Mixer::createVoice(std::shared_ptr<const SampleData> sound) {
  if (!sound) sound = std::make_shared<const SampleData>();
  std::lock_guard lock(mutex_);
  voices_.push_back(Voice{std::move(sound)});
  // Each voice can end at most once between two deliveries, so renders never grow this.
  pending_.reserve(voices_.size() * 2 + 16);
  return static_cast<VoiceId>(voices_.size() - 1);
}

void Mixer::removeVoice(VoiceId voice) {
  std::shared_ptr<const SampleData> released;  // freed after the lock is let go
  {
    std::lock_guard lock(mutex_);
    Voice* v = find(voice);
    if (!v) return;
    released = std::move(v->sound);
    *v = Voice{};
    v->removed = true;
  }
}

void Mixer::play(VoiceId voice, int flags) {
  {
    std::lock_guard lock(mutex_);
    Voice* v = find(voice);
    if (!v) return;
    v->looping = (flags & kPlayLooping) != 0;
    if (!v->playing) {
      v->playing = true;
      pending_.emplace_back(voice, VoiceEvent::Started);
    }
  }
  deliverEvents();
}

void Mixer::stop(VoiceId voice) {
  {
    std::lock_guard lock(mutex_);
    Voice* v = find(voice);
    if (!v) return;
    if (v->playing) {
      v->playing = false;
      pending_.emplace_back(voice, VoiceEvent::Stopped);
    }
  }
  deliverEvents();
}

void Mixer::rewind(VoiceId voice) {
  {
    std::lock_guard lock(mutex_);
    Voice* v = find(voice);
    if (!v) return;
    if (v->position != 0) {
      v->position = 0;
      pending_.emplace_back(voice, VoiceEvent::Rewound);
    }
  }
  deliverEvents();
}

bool Mixer::isPlaying(VoiceId voice) const {
  std::lock_guard lock(mutex_);
  const Voice* v = find(voice);
  return v && v->playing;
}

std::size_t Mixer::position(VoiceId voice) const {
  std::lock_guard lock(mutex_);
  const Voice* v = find(voice);
  return v ? v->position : 0;
}

void Mixer::deliverEvents() {
  // A listener that calls back into the mixer lands here again; the outer loop below
  // picks up what it adds, so events keep their order.
  if (inDelivery_) return;
  inDelivery_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{inDelivery_};
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      if (pending_.empty()) return;
      delivering_.assign(pending_.begin(), pending_.end());
      pending_.clear();
    }
    for (const auto& [voice, event] : delivering_)
      if (listener_) listener_->onVoiceEvent(voice, event);
  }
}

void Mixer::mixChunk(std::size_t frames) {
  const std::size_t n = frames * kChannels;
  std::fill_n(sum_.begin(), n, 0);
  for (std::size_t id = 0; id < voices_.size(); ++id) {
    Voice& v = voices_[id];
    if (!v.playing) continue;
    const std::vector<std::int16_t>& samples = v.sound->samples;
    const std::size_t length = v.sound->frames();
    std::size_t done = 0;
    while (done < frames && v.playing) {
      if (length == 0) {
        // Nothing to hear: a sound played once ends at once, a looping one plays silence.
        if (!v.looping) {
          v.playing = false;
          pending_.emplace_back(static_cast<VoiceId>(id), VoiceEvent::Ended);
        }
        break;
      }
      const std::size_t take = std::min(frames - done, length - v.position);
      const std::int16_t* from = samples.data() + v.position * kChannels;
      std::int32_t* to = sum_.data() + done * kChannels;
      for (std::size_t i = 0; i < take * kChannels; ++i) to[i] += from[i];
      done += take;
      v.position += take;
      if (v.position >= length) {
        v.position = 0;
        if (!v.looping) {
          // At its end a voice played once falls silent, ready to start again from the top.
          v.playing = false;
          pending_.emplace_back(static_cast<VoiceId>(id), VoiceEvent::Ended);
        }
      }
    }
  }
}

void Mixer::render(std::int16_t* out, std::size_t frames) {
  std::lock_guard lock(mutex_);
  while (frames > 0) {
    const std::size_t chunk = std::min(frames, kChunkFrames);
    mixChunk(chunk);
    const std::size_t n = chunk * kChannels;
    for (std::size_t i = 0; i < n; ++i)
      out[i] = static_cast<std::int16_t>(std::clamp(sum_[i], -32768, 32767));
    out += n;
    frames -= chunk;
  }
}

void Mixer::renderAppend(std::vector<std::int16_t>& recording, std::size_t frames) {
  const std::size_t start = recording.size();
  recording.resize(start + frames * kChannels);
  render(recording.data() + start, frames);
}
