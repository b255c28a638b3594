#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <random>
#include <stdexcept>

#include "demo_station.h"

namespace demo {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Buffer {
  std::vector<float> f;
  explicit Buffer(double seconds) : f(static_cast<size_t>(seconds * kSampleRate) * 2, 0.0f) {}
  size_t frames() const { return f.size() / 2; }
  // Adds a mono sample at frame i with a pan of -1 (left) .. 1 (right).
  void add(size_t i, double v, double pan = 0) {
    if (i >= frames()) return;
    f[2 * i] += static_cast<float>(v * std::sqrt((1 - pan) / 2));
    f[2 * i + 1] += static_cast<float>(v * std::sqrt((1 + pan) / 2));
  }
};

// A struck bell or chime: a few partials that die away.
void chime(Buffer& b, double at, double freq, double length, double gain, double pan = 0) {
  const size_t start = static_cast<size_t>(at * kSampleRate);
  const size_t n = static_cast<size_t>(length * kSampleRate);
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / kSampleRate;
    const double env = std::exp(-3.2 * t / length) * std::min(1.0, t * 400);
    const double v = std::sin(2 * kPi * freq * t) + 0.35 * std::sin(2 * kPi * freq * 2.01 * t) +
                     0.12 * std::sin(2 * kPi * freq * 3.0 * t) * std::exp(-6 * t);
    b.add(start + i, gain * env * v, pan);
  }
}

// A soft electronic note for melodies: sine with a gentle attack and release.
void note(Buffer& b, double at, double freq, double length, double gain, double pan = 0) {
  const size_t start = static_cast<size_t>(at * kSampleRate);
  const size_t n = static_cast<size_t>(length * kSampleRate);
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / kSampleRate;
    const double env =
        std::min(1.0, t * 60) * std::min(1.0, (length - t) * 12) * (0.75 + 0.25 * std::exp(-4 * t));
    const double v = std::sin(2 * kPi * freq * t) + 0.25 * std::sin(4 * kPi * freq * t);
    b.add(start + i, gain * env * v, pan);
  }
}

double midi(int m) {
  return 440.0 * std::pow(2.0, (m - 69) / 12.0);
}

// Announcement-like murmur: a voice-pitched buzz through shifting vowel formants, in
// syllables, so it reads as speech from a loudspeaker without any words.
void announcement(Buffer& b, double at, double length, double gain, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0, 1);
  const size_t start = static_cast<size_t>(at * kSampleRate);
  const size_t n = static_cast<size_t>(length * kSampleRate);
  double phase = 0, f1 = 500, f2 = 1500, target1 = 500, target2 = 1500, syl = 0;
  double y1a = 0, y1b = 0, y2a = 0, y2b = 0;
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / kSampleRate;
    if (t >= syl) {
      syl = t + 0.11 + 0.09 * u(rng);
      target1 = 300 + 500 * u(rng);
      target2 = 900 + 1400 * u(rng);
    }
    f1 += (target1 - f1) * 0.002;
    f2 += (target2 - f2) * 0.002;
    const double pitch = 190 + 25 * std::sin(2 * kPi * 0.7 * t) - 30 * t / length;
    phase += pitch / kSampleRate;
    const double src = (phase - std::floor(phase)) * 2 - 1;
    // Two resonators (formants).
    auto reson = [](double x, double f, double& ya, double& yb) {
      const double r = 0.97, w = 2 * kPi * f / kSampleRate;
      const double y = x + 2 * r * std::cos(w) * ya - r * r * yb;
      yb = ya;
      ya = y;
      return y;
    };
    const double v = reson(src, f1, y1a, y1b) * 0.01 + reson(src, f2, y2a, y2b) * 0.007;
    const double sylEnv = 0.55 + 0.45 * std::sin(kPi * std::fmod(t, 0.16) / 0.16);
    const double env = std::min(1.0, t * 20) * std::min(1.0, (length - t) * 10) * sylEnv;
    b.add(start + i, gain * env * v, 0);
  }
}

// Low rumble of wheels and motors with a level and a pan that follow the train.
template <class Level, class Pan>
void rumble(Buffer& b, double at, double length, unsigned seed, Level level, Pan pan,
            double motorHz = 0) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> g(0, 1);
  const size_t start = static_cast<size_t>(at * kSampleRate);
  const size_t n = static_cast<size_t>(length * kSampleRate);
  double lp1 = 0, lp2 = 0, motor = 0;
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / kSampleRate;
    lp1 += (g(rng) - lp1) * 0.03;
    lp2 += (lp1 - lp2) * 0.03;
    // Rail joints: a double knock every car length.
    const double joint = std::fmod(t, 1.1);
    const double knock = std::exp(-joint * 40) + std::exp(-std::fabs(joint - 0.18) * 40) * 0.8;
    double v = lp2 * 18.0 * (0.7 + 0.6 * knock);
    if (motorHz > 0) {
      motor += motorHz * (0.4 + 0.6 * t / length) / kSampleRate;
      v += 0.05 * std::sin(2 * kPi * motor) * std::min(1.0, t);
    }
    b.add(start + i, level(t) * v, pan(t));
  }
}

// Air let out of the brakes or the door engines.
void hiss(Buffer& b, double at, double length, double gain, unsigned seed, double pan = 0) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> g(0, 1);
  const size_t start = static_cast<size_t>(at * kSampleRate);
  const size_t n = static_cast<size_t>(length * kSampleRate);
  double prev = 0;
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / kSampleRate;
    const double x = g(rng);
    const double hp = x - prev;
    prev = x;
    const double env = std::min(1.0, t * 30) * std::exp(-2.5 * t / length);
    b.add(start + i, gain * env * hp * 0.3, pan);
  }
}

// Brake squeal as the train slows: a thin tone sliding down.
void squeal(Buffer& b, double at, double length, double gain, double pan) {
  const size_t start = static_cast<size_t>(at * kSampleRate);
  const size_t n = static_cast<size_t>(length * kSampleRate);
  double ph = 0;
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / kSampleRate;
    ph += (2900 - 500 * t / length) / kSampleRate;
    const double env = std::sin(kPi * t / length) * (0.6 + 0.4 * std::sin(2 * kPi * 5 * t));
    b.add(start + i, gain * env * std::sin(2 * kPi * ph), pan);
  }
}

// Approach: the warning melody of the track, the announcement, then the train rumbles in
// from its side and brakes to a stand at kApproachLeadSeconds.
Sound approach(int board) {
  const Track& tr = track(board);
  const double from = tr.rightward ? -1 : 1;
  const double near = 0.5 + 0.17 * board;
  Buffer b(kApproachLeadSeconds + 1.5);
  static const int kMelodies[4][8] = {{76, 72, 79, 72, 76, 72, 79, 84},
                                      {72, 76, 74, 79, 72, 76, 74, 79},
                                      {69, 73, 76, 81, 76, 73, 69, 73},
                                      {74, 78, 81, 78, 74, 78, 81, 86}};
  for (int i = 0; i < 8; ++i) note(b, 0.22 * i, midi(kMelodies[board][i]), 0.24, 0.16);
  announcement(b, 2.1, 4.2, 0.5, 11 + board);
  const double stop = kApproachLeadSeconds;
  rumble(
      b, 5.0, stop - 5.0 + 1.0, 101 + board,
      [&](double t) {
        const double x = (t + 5.0) / stop;
        return near * 0.22 * std::pow(std::min(x, 1.0), 2.5) *
               (t + 5.0 > stop ? std::max(0.0, 1 - (t + 5.0 - stop)) : 1.0);
      },
      [&](double t) { return from * std::max(0.0, 1 - (t + 5.0 - 5.0) / (stop - 6.0)) * 0.8; },
      180);
  squeal(b, stop - 3.5, 3.2, 0.04 * near, 0);
  hiss(b, stop + 0.05, 1.2, 0.25 * near, 7 + board);
  return {approachSoundName(board), std::move(b.f)};
}

// Pre-departure: the announcement, the door chime, the doors closing at four seconds,
// then the pull-out away to the train's side from six seconds on.
Sound departure(int board) {
  const Track& tr = track(board);
  const double to = tr.rightward ? 1 : -1;
  const double near = 0.5 + 0.17 * board;
  Buffer b(20);
  announcement(b, 0.0, 2.6, 0.45, 31 + board);
  for (int i = 0; i < 3; ++i) chime(b, 2.7 + 0.42 * i, i % 2 ? 988 : 1175, 0.5, 0.12);
  hiss(b, 4.0, 0.9, 0.3 * near, 41 + board);
  chime(b, 4.6, 196, 0.35, 0.1 * near);  // the doors meet
  rumble(
      b, 6.0, 14.0, 51 + board,
      [&](double t) { return near * 0.2 * std::min(1.0, t / 2.0) * std::max(0.0, 1 - t / 14.0); },
      [&](double t) { return to * std::min(0.9, t / 9.0); }, 140);
  return {departureSoundName(board), std::move(b.f)};
}

// A departure melody, as a station plays it from the platform speaker, about 16 s.
Sound melody(int board) {
  static const int kTunes[3][16] = {
      {67, 72, 76, 79, 77, 76, 74, 72, 74, 76, 77, 79, 81, 79, 76, 72},
      {72, 74, 76, 72, 79, 77, 76, 74, 72, 76, 79, 84, 83, 79, 77, 76},
      {64, 67, 71, 72, 71, 67, 64, 62, 64, 67, 69, 71, 72, 74, 76, 79}};
  Buffer b(16.5);
  for (int rep = 0; rep < 2; ++rep)
    for (int i = 0; i < 16; ++i) {
      const double at = rep * 8.0 + i * 0.5;
      note(b, at, midi(kTunes[board][i]), 0.46, 0.18, -0.2);
      if (i % 4 == 0) note(b, at, midi(kTunes[board][i] - 12), 1.9, 0.08, 0.2);
    }
  return {bellSoundName(board), std::move(b.f)};
}

// The old electric bell: a clapper on a gong, twenty times a second.
Sound electricBell() {
  Buffer b(15);
  for (double at = 0; at < 14.6; at += 0.05) {
    const size_t start = static_cast<size_t>(at * kSampleRate);
    for (size_t i = 0; i < 0.05 * kSampleRate; ++i) {
      const double t = double(i) / kSampleRate;
      const double v = (std::sin(2 * kPi * 1850 * t) + 0.6 * std::sin(2 * kPi * 2730 * t) +
                        0.3 * std::sin(2 * kPi * 4100 * t)) *
                       std::exp(-45 * t);
      b.add(start + i, 0.12 * v * std::min(1.0, (14.6 - at) * 3), 0.1);
    }
  }
  return {bellSoundName(3), std::move(b.f)};
}

Sound bellStop() {
  Buffer b(1.4);
  chime(b, 0.0, 1319, 0.7, 0.14);
  chime(b, 0.35, 1047, 1.0, 0.14);
  return {kBellStopSound, std::move(b.f)};
}

Sound arrival() {
  Buffer b(4.5);
  chime(b, 0.0, 880, 0.9, 0.14);
  chime(b, 0.45, 698, 1.2, 0.14);
  announcement(b, 1.5, 2.8, 0.45, 77);
  return {kArrivalSound, std::move(b.f)};
}

// Ambient loop of the period, made to loop without a seam: it fades into its own start.
Sound ambient(int period) {
  const double length = 12;
  Buffer b(length);
  std::mt19937 rng(200 + period);
  std::normal_distribution<double> g(0, 1);
  std::uniform_real_distribution<double> u(0, 1);
  const double crowd = period == 0 ? 0.05 : period == 1 ? 0.07 : 0.015;
  double lpL = 0, lpR = 0, lp2L = 0, lp2R = 0;
  for (size_t i = 0; i < b.frames(); ++i) {
    lpL += (g(rng) - lpL) * 0.08;
    lpR += (g(rng) - lpR) * 0.08;
    lp2L += (lpL - lp2L) * 0.08;
    lp2R += (lpR - lp2R) * 0.08;
    b.f[2 * i] += static_cast<float>(crowd * lp2L * 8);
    b.f[2 * i + 1] += static_cast<float>(crowd * lp2R * 8);
  }
  // Footsteps and murmur by day, birds in the morning, crickets at night.
  if (period < 2) {
    for (int i = 0; i < (period == 0 ? 12 : 22); ++i)
      chime(b, u(rng) * (length - 0.2), 90 + 60 * u(rng), 0.08, 0.05, u(rng) * 2 - 1);
    announcement(b, 1.0 + u(rng) * 3, 2.0, 0.05, 300 + period);
    announcement(b, 7.0, 2.5, 0.04, 310 + period);
  }
  if (period == 0)
    for (int i = 0; i < 14; ++i) {
      const double at = u(rng) * (length - 0.5), f = 3000 + 1500 * u(rng), pan = u(rng) * 2 - 1;
      for (int k = 0; k < 3; ++k) note(b, at + k * 0.09, f + k * 300, 0.07, 0.025, pan);
    }
  if (period == 2)
    for (double at = 0.1; at < length - 0.5; at += 0.9 + u(rng) * 0.4) {
      const double pan = u(rng) * 1.6 - 0.8;
      for (int k = 0; k < 4; ++k) note(b, at + k * 0.06, 4400, 0.04, 0.015, pan);
    }
  // Crossfade the last second into the first so the loop has no click.
  const size_t fade = kSampleRate;
  const size_t n = b.frames();
  for (size_t i = 0; i < fade; ++i) {
    const float w = float(i) / fade;
    for (int c = 0; c < 2; ++c)
      b.f[2 * i + c] = b.f[2 * i + c] * w + b.f[2 * (n - fade + i) + c] * (1 - w);
  }
  b.f.resize((n - fade) * 2);
  return {periodSoundName(period), std::move(b.f)};
}

// The flaps of a board rolling: quick dry clicks, looped while a row changes.
Sound flapClatter() {
  Buffer b(2.0);
  std::mt19937 rng(900);
  std::uniform_real_distribution<double> u(0, 1);
  std::normal_distribution<double> g(0, 1);
  for (double at = 0; at < 1.98; at += 0.025 + 0.02 * u(rng)) {
    const size_t start = static_cast<size_t>(at * kSampleRate);
    const double pan = u(rng) * 0.8 - 0.4, gain = 0.18 + 0.1 * u(rng);
    double prev = 0;
    for (size_t i = 0; i < 0.012 * kSampleRate; ++i) {
      const double t = double(i) / kSampleRate;
      const double x = g(rng);
      const double v =
          (x - prev) * std::exp(-t * 500) + 0.4 * std::sin(2 * kPi * 1400 * t) * std::exp(-t * 700);
      prev = x;
      b.add(start + i, gain * v, pan);
    }
  }
  return {"案内", std::move(b.f)};
}

}  // namespace

std::vector<Sound> makeSounds() {
  std::vector<Sound> s;
  for (int b = 0; b < 4; ++b) s.push_back(approach(b));
  for (int b = 0; b < 4; ++b) s.push_back(departure(b));
  for (int b = 0; b < 3; ++b) s.push_back(melody(b));
  s.push_back(electricBell());
  s.push_back(bellStop());
  s.push_back(arrival());
  for (int p = 0; p < 3; ++p) s.push_back(ambient(p));
  s.push_back(flapClatter());
  // Levels that leave room for several sounds at once: ambience low, the rest moderate.
  for (auto& sound : s) {
    float peak = 0;
    for (float v : sound.frames) peak = std::max(peak, std::fabs(v));
    float target = sound.name == "案内" ? 0.3f : 0.45f;
    if (sound.name == periodSoundName(0)) target = 0.16f;
    if (sound.name == periodSoundName(1)) target = 0.2f;
    if (sound.name == periodSoundName(2)) target = 0.08f;
    if (peak > 0)
      for (float& v : sound.frames) v *= target / peak;
  }
  return s;
}

void writeWave(const std::filesystem::path& path, const std::vector<float>& frames) {
  std::ofstream out(path, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + path.string());
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    out.put(static_cast<char>(v));
    out.put(static_cast<char>(v >> 8));
  };
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames.size() * 2);
  out.write("RIFF", 4);
  u32(36 + dataBytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);  // PCM
  u16(2);
  u32(kSampleRate);
  u32(kSampleRate * 4);
  u16(4);
  u16(16);
  out.write("data", 4);
  u32(dataBytes);
  for (float v : frames)
    u16(static_cast<std::uint16_t>(
        static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767))));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace demo
