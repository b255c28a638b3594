#pragma once
// The demo station's pictures, drawn with QPainter: train sides (closed and open doors),
// the three period backgrounds, the near platform, six overlays and the type badges.
// Masked pictures come back with the picture at the left and its mask at the right.
// Pixels. Needs a QGuiApplication (fonts); UI thread.
#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "demo_station.h"

namespace demo {

struct Picture {
  std::string name;  // without .bmp
  QImage image;
  bool inProgramFolder = false;  // the front picture sits beside 駅素材, not in it
};

std::vector<Picture> makePictures();

// Picture and mask side by side from a drawing with transparency: black picture and white
// mask where it is transparent.
QImage sideBySide(const QImage& drawing);

// 24-bit bottom-up BMP. Throws std::runtime_error on failure.
void writeBmp(const std::filesystem::path& path, const QImage& image);

}  // namespace demo
