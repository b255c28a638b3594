// Block transfers on a track-picture-sized surface (1600 x 573) and on sprites, each timed
// against memcpy of the same bytes and against a plain per-pixel loop in the same run.
// Counters: x_memcpy and x_per_pixel are our time divided by theirs.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "platform/surface.h"

namespace {

constexpr int kTrackWidth = 1600;
constexpr int kTrackHeight = 573;

Surface noise(int w, int h, std::uint32_t seed) {
  Surface s(w, h);
  for (auto& p : s.pixels) {
    seed = seed * 1664525u + 1013904223u;
    p = seed >> 8;
  }
  return s;
}

// The transfer as one would first write it: every pixel checked and combined on its own.
[[gnu::noinline]] void perPixelBlt(Surface& dst, int x, int y, int w, int h, const Surface& src,
                                   int sx, int sy, RasterOp op) {
  for (int r = 0; r < h; ++r) {
    for (int c = 0; c < w; ++c) {
      const int dx = x + c, dy = y + r, px = sx + c, py = sy + r;
      if (dx < 0 || dy < 0 || dx >= dst.width || dy >= dst.height) continue;
      if (px < 0 || py < 0 || px >= src.width || py >= src.height) continue;
      std::uint32_t& d = dst.row(dy)[dx];
      const std::uint32_t s = src.at(px, py);
      switch (op) {
        case RasterOp::SRCCOPY: d = s; break;
        case RasterOp::SRCAND: d &= s; break;
        case RasterOp::SRCINVERT: d ^= s; break;
      }
    }
  }
}

double secondsOf(const std::chrono::steady_clock::time_point& a,
                 const std::chrono::steady_clock::time_point& b) {
  return std::chrono::duration<double>(b - a).count();
}

// Our transfer is the benchmark's time; memcpy of the same bytes and the per-pixel loop
// run in the same iterations, so the ratios compare like with like.
void trackPicture(benchmark::State& state, RasterOp op) {
  const Surface src = noise(kTrackWidth, kTrackHeight, 1);
  Surface dst = noise(kTrackWidth, kTrackHeight, 2);
  std::vector<std::uint32_t> copy(dst.pixels.size());
  double ours = 0, memcpyTime = 0, perPixel = 0;
  using Clock = std::chrono::steady_clock;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    BitBlt(dst, 0, 0, kTrackWidth, kTrackHeight, src, 0, 0, op);
    benchmark::ClobberMemory();
    const auto t1 = Clock::now();
    std::memcpy(copy.data(), src.pixels.data(), copy.size() * sizeof(std::uint32_t));
    benchmark::ClobberMemory();
    const auto t2 = Clock::now();
    perPixelBlt(dst, 0, 0, kTrackWidth, kTrackHeight, src, 0, 0, op);
    benchmark::ClobberMemory();
    const auto t3 = Clock::now();
    ours += secondsOf(t0, t1);
    memcpyTime += secondsOf(t1, t2);
    perPixel += secondsOf(t2, t3);
    state.SetIterationTime(secondsOf(t0, t1));
  }
  state.counters["x_memcpy"] = ours / memcpyTime;
  state.counters["x_per_pixel"] = ours / perPixel;
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(src.pixels.size()) * 4);
}

// One masked train: its mask ANDed in, then its picture XORed in, partly off the left edge
// as a train running in is.
void maskedSprite(benchmark::State& state, bool perPixel) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const Surface sprite = noise(2 * w, h, 3);
  Surface track = noise(kTrackWidth, kTrackHeight, 4);
  const auto blt = perPixel ? perPixelBlt : BitBlt;
  for (auto _ : state) {
    blt(track, -w / 4, 200, w, h, sprite, w, 0, RasterOp::SRCAND);
    blt(track, -w / 4, 200, w, h, sprite, 0, 0, RasterOp::SRCINVERT);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_TrackPicture_SRCCOPY(benchmark::State& s) {
  trackPicture(s, RasterOp::SRCCOPY);
}
void BM_TrackPicture_SRCAND(benchmark::State& s) {
  trackPicture(s, RasterOp::SRCAND);
}
void BM_TrackPicture_SRCINVERT(benchmark::State& s) {
  trackPicture(s, RasterOp::SRCINVERT);
}
void BM_MaskedSprite_BitBlt(benchmark::State& s) {
  maskedSprite(s, false);
}
void BM_MaskedSprite_PerPixel(benchmark::State& s) {
  maskedSprite(s, true);
}

BENCHMARK(BM_TrackPicture_SRCCOPY)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrackPicture_SRCAND)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrackPicture_SRCINVERT)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaskedSprite_BitBlt)->Args({320, 80})->Args({64, 32})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaskedSprite_PerPixel)->Args({320, 80})->Args({64, 32})->Unit(benchmark::kMicrosecond);

}  // namespace
