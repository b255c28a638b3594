#pragma once
// A station that runs without a station file: every train gets its five voices from the
// recording sound output and times far beyond the day, so a test sets only the trains it
// looks at. UI thread only, like the station itself.
#include <memory>
#include <string>
#include <vector>

#include "support/fixtures.h"

// A time of day past midnight: no announcement or bell of it ever comes round.
inline constexpr TimeTriple kNever{30, 0, 0};

struct RunningStation : TestWindow {
  RunningStation() {
    Tovarek2& m = *main;
    auto samples = std::make_shared<const SampleData>();
    for (int k = 0; k < kTrainCount; ++k) {
      TrainEntry& t = m.record.trains[k];
      t.entryTime = t.arrivalTime = t.departureTime = kNever;
      TrainVoices& v = m.trainVoices[k];
      for (VoiceId* id : {&v.arrivalSound, &v.preDepartureSound, &v.approachSound, &v.bellSound,
                          &v.bellStopSound}) {
        *id = sound.createVoice(samples);
      }
    }
    for (VoiceId& v : m.periodVoices) v = sound.createVoice(samples);
    m.boardSound = sound.createVoice(samples);
    m.mainWindowState = WindowState::Shown;
  }

  Tovarek2& station() { return *main; }

  // The requests made since the last call, as "op voice" texts.
  std::vector<std::string> takeCalls() {
    std::vector<std::string> out;
    for (const auto& c : sound.calls) out.push_back(c.op + " " + std::to_string(c.voice));
    sound.calls.clear();
    return out;
  }
  static std::string call(const char* op, VoiceId v) {
    return std::string(op) + " " + std::to_string(v);
  }
};
