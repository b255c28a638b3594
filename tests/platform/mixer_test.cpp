#include "platform/mixer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/wave_loader.h"
#include "platform/wave_writer.h"
#include "support/fixtures.h"

namespace {

// Frame i of the test sound is left 100 x (i + 1), right -100 x (i + 1): every frame tells
// where in the sound it came from.
std::shared_ptr<const SampleData> numbered(int frames, int scale = 100) {
  auto s = std::make_shared<SampleData>();
  for (int i = 0; i < frames; ++i) {
    s->samples.push_back(static_cast<std::int16_t>(scale * (i + 1)));
    s->samples.push_back(static_cast<std::int16_t>(-scale * (i + 1)));
  }
  return s;
}

const char* eventName(VoiceEvent e) {
  switch (e) {
    case VoiceEvent::Started: return "started";
    case VoiceEvent::Stopped: return "stopped";
    case VoiceEvent::Rewound: return "rewound";
    case VoiceEvent::Ended: return "ended";
  }
  return "?";
}

class EventLog final : public VoiceListener {
 public:
  void onVoiceEvent(VoiceId voice, VoiceEvent event) override {
    if (!text.empty()) text += ' ';
    text += std::to_string(voice) + ":" + eventName(event);
  }
  std::string text;
};

// Runs "play0 render2 stop rewind play1 ..." on one voice of a four-frame sound and says
// which sound frame each rendered frame was ("-" for silence).
struct Outcome {
  std::string frames;
  std::string events;
  bool playing;
  std::size_t position;
};

Outcome runSteps(const std::string& steps) {
  EventLog log;
  Mixer mixer(&log);
  const VoiceId v = mixer.createVoice(numbered(4));
  std::string frames;
  std::istringstream in(steps);
  for (std::string step; in >> step;) {
    if (step == "play0")
      mixer.play(v, kPlayOnce);
    else if (step == "play1")
      mixer.play(v, kPlayLooping);
    else if (step == "stop")
      mixer.stop(v);
    else if (step == "rewind")
      mixer.rewind(v);
    else if (step.rfind("render", 0) == 0) {
      const std::size_t n = std::stoul(step.substr(6));
      std::vector<std::int16_t> out(n * 2, 12345);
      mixer.render(out.data(), n);
      for (std::size_t i = 0; i < n; ++i) {
        EXPECT_EQ(out[2 * i], -out[2 * i + 1]);
        frames += out[2 * i] == 0 ? "-" : std::to_string(out[2 * i] / 100 - 1);
      }
    } else {
      ADD_FAILURE() << "unknown step " << step;
    }
  }
  mixer.deliverEvents();
  return {frames, log.text, mixer.isPlaying(v), mixer.position(v)};
}

struct SequenceCase {
  const char* name;
  const char* steps;
  Outcome want;
};

const std::vector<SequenceCase> kSequences = {
    {"once plays to its end and falls silent",
     "play0 render6",
     {"0123--", "0:started 0:ended", false, 0}},
    {"played again after its end it starts from the top",
     "play0 render5 play0 render2",
     {"0123-01", "0:started 0:ended 0:started", true, 2}},
    {"ends in the very frame the buffer ends",
     "play0 render4",
     {"0123", "0:started 0:ended", false, 0}},
    {"stop keeps the position",
     "play0 render2 stop render2 play0 render3",
     {"01--23-", "0:started 0:stopped 0:started 0:ended", false, 0}},
    {"rewind while stopped starts from the top",
     "play0 render2 stop rewind play0 render2",
     {"0101", "0:started 0:stopped 0:rewound 0:started", true, 2}},
    {"rewind while playing goes on from the top",
     "play0 render2 rewind render3",
     {"01012", "0:started 0:rewound", true, 3}},
    {"rewind at the start reports nothing",
     "rewind play0 rewind render1",
     {"0", "0:started", true, 1}},
    {"play while playing does not restart",
     "play0 render2 play0 render3",
     {"0123-", "0:started 0:ended", false, 0}},
    {"looping wraps round", "play1 render10", {"0123012301", "0:started", true, 2}},
    {"looping plays until stopped",
     "play1 render5 stop render2",
     {"01230--", "0:started 0:stopped", false, 1}},
    {"once on a looping voice lets it end",
     "play1 render2 play0 render4",
     {"0123--", "0:started 0:ended", false, 0}},
    {"looping on a voice played once keeps it going",
     "play0 render3 play1 render3",
     {"012301", "0:started", true, 2}},
    {"stop on a stopped voice reports nothing", "stop render2", {"--", "", false, 0}},
    {"nothing plays before play", "render3", {"---", "", false, 0}},
};

TEST(Mixer, VoicesFollowPlayStopRewindAndLooping) {
  for (const auto& c : kSequences) {
    SCOPED_TRACE(c.name);
    const Outcome got = runSteps(c.steps);
    EXPECT_EQ(got.frames, c.want.frames);
    EXPECT_EQ(got.events, c.want.events);
    EXPECT_EQ(got.playing, c.want.playing);
    EXPECT_EQ(got.position, c.want.position);
  }
}

TEST(Mixer, MixesVoicesSampleBySampleWithSaturation) {
  struct MixCase {
    const char* name;
    std::int16_t a, b, want;
  };
  const std::vector<MixCase> cases = {
      {"sum", 1000, 234, 1234},
      {"opposite signs", 1000, -3000, -2000},
      {"saturates high", 30000, 30000, 32767},
      {"saturates low", -30000, -30000, -32768},
      {"exactly full scale", 32000, 767, 32767},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Mixer mixer;
    auto a = std::make_shared<SampleData>(), b = std::make_shared<SampleData>();
    a->samples.assign(2000, c.a);
    b->samples.assign(2000, c.b);
    const VoiceId va = mixer.createVoice(a), vb = mixer.createVoice(b);
    mixer.play(va, kPlayOnce);
    mixer.play(vb, kPlayOnce);
    std::vector<std::int16_t> out(2000);
    mixer.render(out.data(), 1000);
    for (std::int16_t s : out) ASSERT_EQ(s, c.want);
  }
}

TEST(Mixer, VoicesOfOneSoundKeepTheirOwnPositions) {
  EventLog log;
  Mixer mixer(&log);
  const auto sound = numbered(1000, 1);
  const VoiceId first = mixer.createVoice(sound), second = mixer.createVoice(sound);
  EXPECT_NE(first, second);
  mixer.play(first, kPlayOnce);
  std::vector<std::int16_t> out(2 * 600);
  mixer.render(out.data(), 600);  // longer than one mixing chunk
  mixer.play(second, kPlayOnce);
  mixer.render(out.data(), 3);
  // First at frames 600.., second at 0..: left = (601 + i) + (1 + i).
  EXPECT_EQ(out[0], 602);
  EXPECT_EQ(out[2], 604);
  EXPECT_EQ(out[5], -606);
  EXPECT_EQ(mixer.position(first), 603u);
  EXPECT_EQ(mixer.position(second), 3u);
  mixer.stop(first);
  EXPECT_TRUE(mixer.isPlaying(second));
  EXPECT_EQ(log.text, "0:started 1:started 0:stopped");
}

TEST(Mixer, ARemovedVoiceFallsSilentAndItsIdIsNotReused) {
  Mixer mixer;
  const VoiceId v = mixer.createVoice(numbered(100));
  mixer.play(v, kPlayLooping);
  mixer.removeVoice(v);
  EXPECT_FALSE(mixer.isPlaying(v));
  mixer.play(v, kPlayOnce);
  EXPECT_FALSE(mixer.isPlaying(v));
  std::vector<std::int16_t> out(20, 1);
  mixer.render(out.data(), 10);
  for (std::int16_t s : out) EXPECT_EQ(s, 0);
  EXPECT_NE(mixer.createVoice(numbered(1)), v);
  EXPECT_FALSE(mixer.isPlaying(kNoVoice));
  EXPECT_EQ(mixer.position(kNoVoice), 0u);
}

TEST(Mixer, AnEmptySoundPlayedOnceEndsAtOnceAndLoopingStaysSilent) {
  EventLog log;
  Mixer mixer(&log);
  const VoiceId once = mixer.createVoice(std::make_shared<SampleData>());
  const VoiceId loop = mixer.createVoice(nullptr);
  mixer.play(once, kPlayOnce);
  mixer.play(loop, kPlayLooping);
  std::vector<std::int16_t> out(8, 1);
  mixer.render(out.data(), 4);
  mixer.deliverEvents();
  for (std::int16_t s : out) EXPECT_EQ(s, 0);
  EXPECT_EQ(log.text, "0:started 1:started 0:ended");
  EXPECT_TRUE(mixer.isPlaying(loop));
}

// A listener that plays a voice again whenever it ends, as a caller might.
class Replayer final : public VoiceListener {
 public:
  Mixer* mixer = nullptr;
  EventLog log;
  void onVoiceEvent(VoiceId voice, VoiceEvent event) override {
    log.onVoiceEvent(voice, event);
    if (event == VoiceEvent::Ended) {
      mixer->play(voice, kPlayOnce);
      mixer->rewind(voice);
    }
  }
};

TEST(Mixer, AListenerMayCallBackAndEventsKeepTheirOrder) {
  Replayer listener;
  Mixer mixer(&listener);
  listener.mixer = &mixer;
  const VoiceId v = mixer.createVoice(numbered(2));
  mixer.play(v, kPlayOnce);
  std::vector<std::int16_t> out(4);
  mixer.render(out.data(), 2);
  mixer.deliverEvents();
  EXPECT_EQ(listener.log.text, "0:started 0:ended 0:started");
  EXPECT_TRUE(mixer.isPlaying(v));
}

TEST(Mixer, RendersOnAnotherThreadWhileTheUiPlaysAndStops) {
  Mixer mixer;
  std::vector<VoiceId> voices;
  for (int i = 0; i < 8; ++i) voices.push_back(mixer.createVoice(numbered(50)));
  std::atomic<bool> done{false};
  std::thread audio([&] {
    std::vector<std::int16_t> out(2 * 64);
    while (!done) mixer.render(out.data(), 64);
  });
  for (int round = 0; round < 2000; ++round) {
    const VoiceId v = voices[static_cast<std::size_t>(round) % voices.size()];
    mixer.play(v, round % 3 == 0 ? kPlayLooping : kPlayOnce);
    if (round % 5 == 0) mixer.stop(v);
    if (round % 7 == 0) mixer.rewind(v);
    EXPECT_LE(mixer.position(v), 50u);
    mixer.deliverEvents();
  }
  done = true;
  audio.join();
}

TEST(Mixer, WhatItRendersCanBeKeptAsAWaveFile) {
  TempFolder folder;
  Mixer mixer;
  const VoiceId v = mixer.createVoice(numbered(3));
  mixer.play(v, kPlayOnce);
  std::vector<std::int16_t> recording;
  mixer.renderAppend(recording, 2);
  mixer.renderAppend(recording, 2);
  const std::vector<std::int16_t> want = {100, -100, 200, -200, 300, -300, 0, 0};
  EXPECT_EQ(recording, want);
  writeWave(folder.path() / "out.wav", recording);
  EXPECT_EQ(loadWave(folder.path() / "out.wav")->samples, want);
}

}  // namespace
