#include "support/station_fixture.h"

#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <vector>

#include "platform/bmp_writer.h"
#include "station/station_file_writer.h"

namespace {

void setTime(TimeTriple& t, double secondOfDay) {
  t.hours = std::floor(secondOfDay / 3600);
  t.minutes = std::floor((secondOfDay - t.hours * 3600) / 60);
  t.seconds = secondOfDay - t.hours * 3600 - t.minutes * 60;
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void writePicture(const std::filesystem::path& path, int width, int height, std::uint32_t rgb) {
  writeBytes(path, WriteBmp24(Surface(width, height, rgb)));
}

}  // namespace

StationRecord SampleRecord(const std::string& title) {
  StationRecord r;
  r.windowTitle = title;
  for (int b = 0; b < kBoardCount; ++b) r.boardTitle[b] = std::to_string(b + 1) + "番線";
  for (int k = 0; k < kTrainCount; ++k) {
    TrainEntry& t = r.trains[k];
    const int b = boardOf(k), j = k % kTrainsPerBoard;
    const double departure = 8 * 3600 + j * 600 + b * 120;
    setTime(t.departureTime, departure);
    setTime(t.arrivalTime, departure - 40);
    setTime(t.entryTime, departure - 80);
    t.rowText = "普通";
    t.rowPictureName = "type" + std::to_string(k % 3);
    t.destination = "終点" + std::to_string(k);
    t.arrivalSound = "arrive";
    t.preDepartureSound = "depart";
    t.approachSound = "approach";
    t.approachOffset = 10;
    t.bellSound = "bell";
    t.bellStopSound = "bellstop";
    t.pictureName = "train" + std::to_string(k % 4);
    t.hasOpenPicture = k % 2 == 0 ? 1 : 0;
    t.doorsOpen = k % 2 == 0 ? 1 : 0;
    t.startOffset = 400;
    t.spriteTop = 300;
    t.spriteWidth = 40;
    t.spriteHeight = 20;
    t.topSpeed = 8;
  }
  const double starts[3] = {5 * 3600, 10 * 3600, 18 * 3600};
  const char* names[3] = {"morning", "day", "night"};
  for (int p = 0; p < 3; ++p) {
    setTime(r.periods[p].periodStart, starts[p]);
    r.periods[p].periodPicture = names[p];
    r.periods[p].periodSound = std::string("ambient_") + names[p];
  }
  r.frontPicture = "front";
  for (int o = 0; o < 6; ++o) {
    r.overlays[o].overlayPicture = "overlay" + std::to_string(o);
    r.overlays[o].overlayWidth = 10;
    r.overlays[o].overlayHeight = 10;
  }
  return r;
}

void WriteTone(const std::filesystem::path& file, int milliseconds, int rate) {
  std::filesystem::create_directories(file.parent_path());
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 2;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(file.c_str(), SFM_WRITE, &info);
  if (!f) return;
  const int frames = static_cast<int>(static_cast<long long>(rate) * milliseconds / 1000);
  std::vector<short> samples(static_cast<std::size_t>(frames) * 2);
  for (int i = 0; i < frames; ++i)
    samples[2 * i] = samples[2 * i + 1] =
        static_cast<short>(8000 * std::sin(2 * 3.14159265358979 * 440 * i / rate));
  sf_writef_short(f, samples.data(), frames);
  sf_close(f);
}

void WriteStation(const std::filesystem::path& root, const std::string& name,
                  const StationRecord& r, const std::set<std::string>& skip, int soundMs) {
  const std::string bytes = WriteStationBytes(r);
  std::filesystem::create_directories(root / "駅ファイル");
  std::ofstream(root / "駅ファイル" / name, std::ios::binary) << bytes;
  auto picture = [&](const std::string& rel, int w, int h, std::uint32_t rgb) {
    if (!skip.count(rel)) writePicture(root / rel, w, h, rgb);
  };
  auto sound = [&](const std::string& rel) {
    if (!skip.count(rel)) WriteTone(root / rel, soundMs);
  };
  for (const TrainEntry& t : r.trains) {
    const int w = static_cast<int>(2 * t.spriteWidth), h = static_cast<int>(t.spriteHeight);
    picture("駅素材/" + t.pictureName + ".bmp", w, h, 0x3060C0);
    if (t.hasOpenPicture == 1) picture("駅素材/" + t.pictureName + "開.bmp", w, h, 0x30C060);
    picture("駅素材/" + t.rowPictureName + ".bmp", 30, 12, 0xC03030);
    for (const std::string* s :
         {&t.arrivalSound, &t.preDepartureSound, &t.approachSound, &t.bellSound, &t.bellStopSound})
      sound("駅サウンド/" + *s + ".wav");
  }
  for (const PeriodEntry& p : r.periods) {
    picture("駅素材/" + p.periodPicture + ".bmp", 1600, 573, 0x80A0C0);
    sound("駅サウンド/" + p.periodSound + ".wav");
  }
  for (const OverlayEntry& o : r.overlays)
    picture("駅素材/" + o.overlayPicture + ".bmp", 20, 10, 0x404040);
  picture(r.frontPicture + ".bmp", 1600, 100, 0x707070);
  sound("案内.wav");
}
