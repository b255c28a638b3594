// Writes small seed corpora for the fuzz targets: valid inputs of each kind, so the
// fuzzer starts from files that get past the first checks.
#include <sndfile.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/bmp_writer.h"
#include "station/station_file_writer.h"

namespace {

void write(const std::filesystem::path& p, const void* data, std::size_t size) {
  std::filesystem::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary).write(static_cast<const char*>(data), std::streamsize(size));
}

void wave(const std::filesystem::path& p, int rate, int channels, int format, int frames) {
  std::filesystem::create_directories(p.parent_path());
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = format;
  SNDFILE* f = sf_open(p.c_str(), SFM_WRITE, &info);
  if (!f) return;
  std::vector<short> samples(std::size_t(frames) * channels, 1000);
  sf_writef_short(f, samples.data(), frames);
  sf_close(f);
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path out = argc > 1 ? argv[1] : "corpus";
  StationRecord r;
  r.windowTitle = "駅";
  r.trains[0].pictureName = "電車";
  r.trains[3].topSpeed = -4.5;
  const std::string station = WriteStationBytes(r);
  write(out / "station_file" / "plain.CSV", station.data(), station.size());
  const std::string shortFile = station.substr(0, station.size() / 2);
  write(out / "station_file" / "short.CSV", shortFile.data(), shortFile.size());

  for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {17, 5}}) {
    const auto bytes = WriteBmp24(Surface(w, h, 0x102030));
    write(out / "bmp" / ("plain" + std::to_string(w) + ".bmp"), bytes.data(), bytes.size());
  }
  wave(out / "wave" / "stereo.wav", 22050, 2, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 50);
  wave(out / "wave" / "mono44.wav", 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 80);
  wave(out / "wave" / "u8.wav", 11025, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 30);
  wave(out / "wave" / "float.wav", 48000, 2, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 40);
  const std::uint8_t blit[64] = {20, 0, 0, 0, 20, 0, 0, 0, 10, 0, 0, 0, 10, 0, 0, 0, 3};
  write(out / "bitblt" / "seed", blit, sizeof blit);
  return 0;
}
