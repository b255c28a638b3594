// tovarek2-demo-station: writes the demo program folder (駅ファイル, 駅素材, 駅サウンド,
// 案内.wav, the front picture) into the folder given as its argument. With --preview PNG
// it also writes the view with every train standing at its platform, to look at.
#include <QGuiApplication>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "demo_station.h"
#include "pictures.h"
#include "platform/program_folder.h"
#include "sounds.h"
#include "station/station_file_writer.h"

namespace fs = std::filesystem;

namespace {

fs::path u8path(std::string_view s) {
  return fs::path(std::u8string(s.begin(), s.end()));
}

// One train of each board's busy stretch at its stop, doors as they stand, over the
// period's background, layered as the window draws them.
QImage preview(const StationRecord& r, const std::map<std::string, QImage>& pics, int period) {
  QImage view(demo::kViewWidth, demo::kViewHeight, QImage::Format_RGB32);
  view.fill(Qt::black);
  QPainter p(&view);
  auto masked = [&](const QImage& both, int x, int y, int w, int h) {
    QImage part = both.copy(0, 0, w, h).convertToFormat(QImage::Format_ARGB32);
    const QImage mask = both.copy(w, 0, w, h);
    for (int yy = 0; yy < h; ++yy)
      for (int xx = 0; xx < w; ++xx)
        if (qRed(mask.pixel(xx, yy)) > 128) part.setPixel(xx, yy, qRgba(0, 0, 0, 0));
    p.drawImage(x, y, part);
  };
  auto trainsOf = [&](int b) {
    for (int k = 8 * b; k < 8 * b + 8; ++k) {
      const auto& d = demo::trains()[k];
      // One of each board's trains of the busy stretch.
      if (k % 8 != 3) continue;
      const auto& t = r.trains[k];
      masked(pics.at(t.pictureName + (t.doorsOpen == 1 ? "開" : "")), d.stopX(), int(t.spriteTop),
             int(t.spriteWidth), int(t.spriteHeight));
    }
  };
  auto over = [&](int o) {
    const auto& v = r.overlays[o];
    masked(pics.at(v.overlayPicture), int(v.overlayLeft), int(v.overlayTop), int(v.overlayWidth),
           int(v.overlayHeight));
  };
  p.drawImage(0, 5, pics.at(r.periods[period].periodPicture));
  trainsOf(0);
  over(0);
  trainsOf(1);
  over(3);
  over(1);
  trainsOf(2);
  over(2);
  trainsOf(3);
  p.drawImage(int(r.frontLeft), int(r.frontTop), pics.at(r.frontPicture));
  over(4);
  over(5);
  return view;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::cerr << "usage: tovarek2-demo-station FOLDER [--preview FILE.png]\n";
    return 2;
  }
  try {
    const fs::path root = argv[1];
    const fs::path stations = root / u8path(ProgramFolder::kStationFolder);
    const fs::path pictures = root / u8path(ProgramFolder::kPictureFolder);
    const fs::path sounds = root / u8path(ProgramFolder::kSoundFolder);
    for (const auto& d : {stations, pictures, sounds}) fs::create_directories(d);

    const StationRecord record = demo::makeStation();
    {
      std::ofstream out(stations / u8path(demo::kStationFileName), std::ios::binary);
      out << WriteStationBytes(record);
      if (!out) throw std::runtime_error("cannot write the station file");
    }
    std::map<std::string, QImage> drawn;
    for (const auto& pic : demo::makePictures()) {
      demo::writeBmp((pic.inProgramFolder ? root : pictures) / u8path(pic.name + ".bmp"),
                     pic.image);
      drawn[pic.name] = pic.image;
    }
    for (const auto& s : demo::makeSounds()) {
      const bool board = s.name == ProgramFolder::kBoardSoundName;
      demo::writeWave((board ? root : sounds) / u8path(s.name + ".wav"), s.frames);
    }
    if (argc >= 4 && std::string(argv[2]) == "--preview") {
      const QImage view = preview(record, drawn, 0);
      view.save(QString::fromLocal8Bit(argv[3]));
      for (int period = 1; period < 3; ++period)
        preview(record, drawn, period)
            .save(QString::fromLocal8Bit(argv[3]) + ".period" + QString::number(period) + ".png");
      // A close look at the near trains, three times the size.
      view.copy(0, 110, 420, 108)
          .scaled(1260, 324)
          .save(QString::fromLocal8Bit(argv[3]) + ".zoom.png");
    }
  } catch (const std::exception& e) {
    std::cerr << "tovarek2-demo-station: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
