#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/fixtures.h"

namespace {

constexpr std::uint32_t kCleared = 0xF0F0F0;  // RGB(240, 240, 240)

// A picture with its mask beside it: `colours` (w x 1 ... w x h, row-major) left, and a
// mask that is black wherever the picture is not black (opaque) and white elsewhere.
std::shared_ptr<Surface> sprite(int w, int h, const std::vector<std::uint32_t>& colours) {
  auto s = std::make_shared<Surface>(2 * w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint32_t c = colours[static_cast<std::size_t>(y * w + x)];
      s->row(y)[x] = c;
      s->row(y)[w + x] = c ? 0x000000 : 0xFFFFFF;
    }
  return s;
}

// A station view of a few pixels; the front picture stands far outside until a test
// places it.
struct ViewWindow : TestWindow {
  ViewWindow(int w, int h) {
    main->trackPicture = Surface(w, h, kCleared);
    main->windowSurface = Surface(w, h, 0);
    main->record.frontLeft = 100000;
  }
  void train(int k, double x, double y, double w, double h, std::shared_ptr<Surface> bitmap) {
    main->Picture1[trainPictureElement(k)].setPicture("駅素材/t" + std::to_string(k) + ".bmp",
                                                      std::move(bitmap));
    TrainEntry& t = main->record.trains[k];
    t.spriteTop = y;
    t.spriteWidth = w;
    t.spriteHeight = h;
    main->motion[k].position = x;
  }
  void overlay(int o, double x, double y, double w, double h, std::shared_ptr<Surface> bitmap) {
    const int element[6] = {8, 39, 40, 9, 7, 10};
    main->Picture1[element[o]].setPicture("駅素材/o" + std::to_string(o) + ".bmp",
                                          std::move(bitmap));
    main->record.overlays[o] = {"", "", x, y, w, h};
  }
  std::uint32_t at(int x, int y) const { return main->trackPicture.at(x, y); }
};

TEST(ComposeTrackPicture, BackgroundLeavesTheTopFiveRowsCleared) {
  ViewWindow t(4, 8);
  t.main->Picture1[2].setPicture("駅素材/day.bmp", std::make_shared<Surface>(4, 8, 0x111111));
  const auto revision = t.main->windowSurfaceRevision;
  t.main->ComposeTrackPicture();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(t.at(x, y), y < 5 ? kCleared : 0x111111u) << x << y;
  EXPECT_EQ(t.main->windowSurface.pixels, t.main->trackPicture.pixels);
  EXPECT_EQ(t.main->windowSurfaceRevision, revision + 1);
}

// The mask clears first (AND), the picture fills in (XOR): (D & M) ^ P.
TEST(ComposeTrackPicture, MaskedPictureCombinesAndThenXor) {
  ViewWindow t(3, 1);
  auto bitmap = std::make_shared<Surface>(4, 1);
  bitmap->row(0)[0] = 0x0A0B0C;  // picture
  bitmap->row(0)[1] = 0x000000;
  bitmap->row(0)[2] = 0x3C3C3C;  // mask
  bitmap->row(0)[3] = 0xFFFFFF;
  t.train(0, 1, 0, 2, 1, bitmap);
  t.main->ComposeTrackPicture();
  EXPECT_EQ(t.at(0, 0), kCleared);
  EXPECT_EQ(t.at(1, 0), (kCleared & 0x3C3C3Cu) ^ 0x0A0B0Cu);
  EXPECT_EQ(t.at(2, 0), kCleared);  // white mask, black picture: shows through
}

TEST(ComposeTrackPicture, CoordinatesRoundHalfToEven) {
  struct Case {
    const char* name;
    double x, y, w;
    std::optional<int> drawnAt;  // x of the one drawn pixel, or nothing drawn
    int drawnWidth;
  };
  const Case cases[] = {
      {"10.5 is drawn at 10", 10.5, 0, 1, 10, 1},
      {"11.5 is drawn at 12", 11.5, 0, 1, 12, 1},
      {"below a half", 2.4, 0, 1, 2, 1},
      {"above a half", 2.6, 0, 1, 3, 1},
      {"0.5 is drawn at 0", 0.5, 0, 1, 0, 1},
      {"-0.5 is drawn at 0", -0.5, 0, 1, 0, 1},
      {"-1.5 goes out of the picture", -1.5, 0, 1, std::nullopt, 0},
      {"top 0.5 stays on row 0", 4, 0.5, 1, 4, 1},
      {"top 1.5 leaves the one row", 4, 1.5, 1, std::nullopt, 0},
      {"width 0.5 draws nothing", 4, 0, 0.5, std::nullopt, 0},
      {"width 1.5 draws two pixels", 4, 0, 1.5, 4, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ViewWindow t(16, 1);
    // The mask starts at the rounded width: one opaque pixel, or two for the wide case.
    t.train(3, c.x, c.y, c.w, 1,
            c.w > 1 ? sprite(2, 1, {0x00AA00, 0x00AA00}) : sprite(1, 1, {0x00AA00}));
    t.main->ComposeTrackPicture();
    for (int x = 0; x < 16; ++x) {
      const bool drawn = c.drawnAt && x >= *c.drawnAt && x < *c.drawnAt + c.drawnWidth;
      EXPECT_EQ(t.at(x, 0), drawn ? 0x00AA00u : kCleared) << "x " << x;
    }
  }
}

// The depth order of the view, pairs of layers on one pixel: the second one is in front.
TEST(ComposeTrackPicture, LayersStackInDepthOrder) {
  enum Kind { Train, Overlay, Front };
  struct Layer {
    Kind kind;
    int n;
  };
  struct Case {
    const char* name;
    Layer back, front;
  };
  const Case cases[] = {
      {"a higher train of one board over a lower", {Train, 0}, {Train, 7}},
      {"overlay 0 over board 0", {Train, 7}, {Overlay, 0}},
      {"board 1 over overlay 0", {Overlay, 0}, {Train, 8}},
      {"overlay 3 over board 1", {Train, 15}, {Overlay, 3}},
      {"overlay 1 over overlay 3", {Overlay, 3}, {Overlay, 1}},
      {"board 2 over overlay 1", {Overlay, 1}, {Train, 16}},
      {"overlay 2 over board 2", {Train, 23}, {Overlay, 2}},
      {"board 3 over overlay 2", {Overlay, 2}, {Train, 24}},
      {"the front picture over board 3", {Train, 31}, {Front, 0}},
      {"overlay 4 over the front picture", {Front, 0}, {Overlay, 4}},
      {"overlay 5 over overlay 4", {Overlay, 4}, {Overlay, 5}},
  };
  auto colour = [](const Layer& l) -> std::uint32_t {
    return l.kind == Train     ? 0x010000u * (l.n + 1)
           : l.kind == Overlay ? 0x000100u * (l.n + 1)
                               : 0x0000FFu;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ViewWindow t(3, 3);
    for (const Layer& l : {c.back, c.front}) {
      auto bitmap = sprite(1, 1, {colour(l)});
      if (l.kind == Train) t.train(l.n, 1, 1, 1, 1, bitmap);
      if (l.kind == Overlay) t.overlay(l.n, 1, 1, 1, 1, bitmap);
      if (l.kind == Front) {
        t.main->Picture1[1].setPicture("front.bmp", std::make_shared<Surface>(1, 1, colour(l)));
        t.main->record.frontLeft = 1;
        t.main->record.frontTop = 1;
      }
    }
    t.main->ComposeTrackPicture();
    EXPECT_EQ(t.at(1, 1), colour(c.front));
  }
}

// The front picture's element has the window's inside size, so at (0, 0) it hides every
// train, the background and overlays 0 to 3; only overlays 4 and 5 stay in front of it.
TEST(ComposeTrackPicture, FrontPictureAtTheOriginCoversTheView) {
  ViewWindow t(4, 8);
  Tovarek2& w = *t.main;
  w.Picture1[2].setPicture("駅素材/day.bmp", std::make_shared<Surface>(4, 8, 0x111111));
  w.Picture1[1].setPicture("front.bmp", std::make_shared<Surface>(2, 2, 0x222222));
  w.record.frontLeft = 0;
  w.record.frontTop = 0;
  t.train(0, 0, 6, 1, 1, sprite(1, 1, {0x333333}));
  t.overlay(0, 1, 6, 1, 1, sprite(1, 1, {0x444444}));
  t.overlay(4, 3, 7, 1, 1, sprite(1, 1, {0x555555}));
  t.overlay(5, 2, 7, 1, 1, sprite(1, 1, {0x666666}));
  w.ComposeTrackPicture();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 4; ++x) {
      std::uint32_t expected = x < 2 && y < 2 ? 0x222222 : kCleared;
      if (x == 3 && y == 7) expected = 0x555555;
      if (x == 2 && y == 7) expected = 0x666666;
      EXPECT_EQ(t.at(x, y), expected) << x << "," << y;
    }
}

TEST(ComposeTrackPicture, PicturesOutsideTheViewAreClipped) {
  struct Case {
    const char* name;
    double x;
    std::uint32_t expected[4];
  };
  const Case cases[] = {
      {"partly off the left edge", -1, {0xB, 0xC, kCleared, kCleared}},
      {"partly off the right edge", 3, {kCleared, kCleared, kCleared, 0xA}},
      {"at a home position far left", -400, {kCleared, kCleared, kCleared, kCleared}},
      {"beyond any 32-bit coordinate", 1e12, {kCleared, kCleared, kCleared, kCleared}},
      {"far beyond on the left", -1e300, {kCleared, kCleared, kCleared, kCleared}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ViewWindow t(4, 1);
    t.train(20, c.x, 0, 3, 1, sprite(3, 1, {0xA, 0xB, 0xC}));
    t.main->ComposeTrackPicture();
    for (int x = 0; x < 4; ++x) EXPECT_EQ(t.at(x, 0), c.expected[x]) << "x " << x;
  }
}

}  // namespace
