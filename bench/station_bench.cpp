// A running station's costs: one full pass (every train on screen, all four boards
// rolling), the track picture's composition alone, a whole load, and 164 voices mixing.
// Each is also reported as a ratio to a memcpy of one track picture measured in this run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "platform/mixer.h"
#include "support/fixtures.h"
#include "support/station_fixture.h"

namespace {

constexpr std::size_t kTrackBytes = std::size_t{1600} * 573 * 4;

// Nanoseconds of one memcpy of the track picture's bytes, the best of many.
double memcpyNanoseconds() {
  static const double best = [] {
    std::vector<std::uint8_t> a(kTrackBytes, 1), b(kTrackBytes);
    double fastest = 1e18;
    for (int i = 0; i < 200; ++i) {
      const auto start = std::chrono::steady_clock::now();
      std::memcpy(b.data(), a.data(), kTrackBytes);
      benchmark::DoNotOptimize(b.data());
      benchmark::ClobberMemory();
      const std::chrono::duration<double, std::nano> took =
          std::chrono::steady_clock::now() - start;
      fastest = std::min(fastest, took.count());
    }
    return fastest;
  }();
  return best;
}

void setTime(TimeTriple& t, double s) {
  t.hours = 0;
  t.minutes = 0;
  t.seconds = s;
}

// Every train stands in view, except one per board that left eight seconds ago, so each
// board rolls and its train pulls out.
StationRecord BusyRecord(double now) {
  StationRecord r = SampleRecord("ベンチ駅");
  for (int k = 0; k < kTrainCount; ++k) {
    TrainEntry& t = r.trains[k];
    const bool leaving = k % kTrainsPerBoard == 0;
    setTime(t.entryTime, now - 200);
    setTime(t.arrivalTime, now - 150);
    setTime(t.departureTime, leaving ? now - 8 : now + 3000 + k);
    t.spriteWidth = 400;
    t.spriteHeight = 90;
    t.spriteTop = 200 + 8 * (k % 8);
    t.startOffset = -(50.0 * (k % 16));
    t.topSpeed = k % 2 ? 8 : -8;
    t.pictureName = "train" + std::to_string(k % 8);
  }
  for (auto& o : r.overlays) {
    o.overlayWidth = 200;
    o.overlayHeight = 300;
  }
  return r;
}

struct BusyStation {
  TestWindow w;
  BusyStation() {
    const double now = 10 * 3600;
    WriteStation(w.folder.path(), "b.CSV", BusyRecord(now));
    w.clock.set(10, 0, 0);
    w.main->startupWindow.選択_Click("b.CSV");
    if (!w.main->Form_Load()) std::abort();
    w.main->MainLoopPass();
  }
};

void reportRatio(benchmark::State& state, double nanosecondsPerIteration) {
  state.counters["x_memcpy"] = nanosecondsPerIteration / memcpyNanoseconds();
}

template <typename F>
void timed(benchmark::State& state, F&& body) {
  double total = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    body();
    total +=
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
  }
  reportRatio(state, total / static_cast<double>(state.iterations()));
}

void BM_Memcpy(benchmark::State& state) {
  std::vector<std::uint8_t> a(kTrackBytes, 1), b(kTrackBytes);
  timed(state, [&] {
    std::memcpy(b.data(), a.data(), kTrackBytes);
    benchmark::DoNotOptimize(b.data());
  });
}
BENCHMARK(BM_Memcpy);

void BM_FullPass(benchmark::State& state) {
  BusyStation s;
  timed(state, [&] { s.w.main->MainLoopPass(); });
}
BENCHMARK(BM_FullPass);

void BM_ComposeTrackPicture(benchmark::State& state) {
  BusyStation s;
  timed(state, [&] {
    Clear(s.w.main->trackPicture, rgbFromBgr(Tovarek2::kBackColour));
    s.w.main->ComposeTrackPicture();
  });
}
BENCHMARK(BM_ComposeTrackPicture);

// A station with 164 different sound files of a second each and its 72 pictures.
void BM_WholeLoad(benchmark::State& state) {
  TestWindow w;
  StationRecord r = SampleRecord("ロード駅");
  for (int k = 0; k < kTrainCount; ++k) {
    TrainEntry& t = r.trains[k];
    const std::string n = std::to_string(k);
    t.arrivalSound = "arrive" + n;
    t.preDepartureSound = "depart" + n;
    t.approachSound = "approach" + n;
    t.bellSound = "bell" + n;
    t.bellStopSound = "bellstop" + n;
    t.pictureName = "train" + n;
    t.spriteWidth = 400;
    t.spriteHeight = 90;
  }
  WriteStation(w.folder.path(), "l.CSV", r, {}, 1000);
  w.clock.set(9, 0, 0);
  w.main->startupWindow.選択_Click("l.CSV");
  timed(state, [&] {
    if (!w.main->Form_Load()) state.SkipWithError("the load failed");
  });
}
BENCHMARK(BM_WholeLoad)->Unit(benchmark::kMillisecond);

// 164 voices playing at once, one second of sound.
void BM_Mix164VoicesOneSecond(benchmark::State& state) {
  Mixer mixer;
  auto sound = std::make_shared<SampleData>();
  sound->samples.assign(2 * 22050 * 3, 0);
  for (std::size_t i = 0; i < sound->samples.size(); ++i)
    sound->samples[i] = static_cast<std::int16_t>((i * 37) % 2000 - 1000);
  for (int v = 0; v < 164; ++v) mixer.play(mixer.createVoice(sound), kPlayLooping);
  std::vector<std::int16_t> out(2 * 512);
  timed(state, [&] {
    for (int frames = 0; frames < 22050; frames += 512) mixer.render(out.data(), 512);
    benchmark::DoNotOptimize(out.data());
  });
}
BENCHMARK(BM_Mix164VoicesOneSecond)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
