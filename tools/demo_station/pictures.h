#pragma once
// The demo station's pictures drawn with QPainter (masked ones as picture | mask side by
// side) and a 24-bit BMP writer. Pixels. Needs a QGuiApplication for fonts; UI thread.
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
