#include <gtest/gtest.h>

#include <QGuiApplication>
#include <filesystem>
#include <map>
#include <memory>

#include "demo_station.h"
#include "pictures.h"

namespace {

// Fonts need an application; the offscreen platform needs no display.
class DemoPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tools_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) app_ = std::make_unique<QGuiApplication>(argc, argv);
    for (auto& p : demo::makePictures()) pictures_[p.name] = p.image;
  }
  static void TearDownTestSuite() {
    pictures_.clear();
    app_.reset();
  }
  static const QImage& picture(const std::string& name) {
    auto it = pictures_.find(name);
    EXPECT_NE(it, pictures_.end()) << name;
    static const QImage none;
    return it == pictures_.end() ? none : it->second;
  }
  // The mask is pure black and white, and the picture is black wherever it shows through.
  static void expectMaskMatches(const QImage& both, int w, int h) {
    ASSERT_EQ(both.width(), 2 * w);
    ASSERT_EQ(both.height(), h);
    int solid = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const QRgb m = both.pixel(w + x, y) & 0xFFFFFF;
        ASSERT_TRUE(m == 0 || m == 0xFFFFFF) << x << "," << y;
        if (m == 0xFFFFFF)
          ASSERT_EQ(both.pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
        else
          ++solid;
      }
    EXPECT_GT(solid, w * h / 100) << "something is drawn";
  }
  static std::unique_ptr<QGuiApplication> app_;
  static std::map<std::string, QImage> pictures_;
};
std::unique_ptr<QGuiApplication> DemoPictures::app_;
std::map<std::string, QImage> DemoPictures::pictures_;

}  // namespace

TEST_F(DemoPictures, EveryTrainPictureHasItsSizeAndMask) {
  const StationRecord r = demo::makeStation();
  for (const auto& t : r.trains) {
    SCOPED_TRACE(t.pictureName);
    expectMaskMatches(picture(t.pictureName), int(t.spriteWidth), int(t.spriteHeight));
    if (t.hasOpenPicture == 1)
      expectMaskMatches(picture(t.pictureName + "開"), int(t.spriteWidth), int(t.spriteHeight));
  }
}

TEST_F(DemoPictures, OverlaysFitTheirElements) {
  const StationRecord r = demo::makeStation();
  // Overlays 3 and 5 live in track-picture-wide elements, the others in window-sized ones.
  for (int o = 0; o < 6; ++o) {
    SCOPED_TRACE(o);
    const auto& v = r.overlays[o];
    expectMaskMatches(picture(v.overlayPicture), int(v.overlayWidth), int(v.overlayHeight));
    EXPECT_LE(2 * v.overlayWidth, o == 3 || o == 5 ? 1600 : demo::kViewWidth);
    EXPECT_LE(v.overlayHeight, demo::kWindowHeight);
  }
}

TEST_F(DemoPictures, BackgroundsFrontAndBadgesHaveTheirSizes) {
  const StationRecord r = demo::makeStation();
  for (const auto& p : r.periods) EXPECT_EQ(picture(p.periodPicture).size(), QSize(909, 573));
  EXPECT_EQ(picture(r.frontPicture).size(), QSize(909, 573));
  for (const auto& t : r.trains) EXPECT_EQ(picture(t.rowPictureName).size(), QSize(70, 26));
}

TEST_F(DemoPictures, BmpReadsBackPixelForPixel) {
  QImage img(5, 3, QImage::Format_RGB32);  // 15 bytes a row: padded to 16
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) img.setPixel(x, y, qRgb(40 * x, 80 * y, 7 + x + y));
  const auto path = std::filesystem::temp_directory_path() / "tovarek2-demo-bmp-test.bmp";
  demo::writeBmp(path, img);
  QImage back(QString::fromStdString(path.string()));
  std::filesystem::remove(path);
  ASSERT_EQ(back.size(), img.size());
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back.pixel(x, y) & 0xFFFFFF, img.pixel(x, y) & 0xFFFFFF);
}
