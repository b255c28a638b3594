// The real tovarek2 under Xvfb on a small station: SDL's disk driver records the sound,
// --snapshot keeps the window's inside, and the run's CPU time is recorded.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "support/fixtures.h"
#include "support/station_fixture.h"

namespace {

constexpr const char* kStation = "テスト駅.CSV";

void writeSilence(const std::filesystem::path& file, int milliseconds) {
  SF_INFO info{};
  info.samplerate = 22050;
  info.channels = 2;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(file.c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr) << file;
  std::vector<short> samples(static_cast<std::size_t>(22050 * milliseconds / 1000) * 2, 0);
  sf_writef_short(f, samples.data(), static_cast<sf_count_t>(samples.size() / 2));
  sf_close(f);
}

struct ProgramRun {
  int status = -1;
  double cpuSeconds = 0;
};

ProgramRun runProgram(const std::vector<std::string>& args, const std::filesystem::path& audio) {
  ProgramRun run;
  rusage before{};
  getrusage(RUSAGE_CHILDREN, &before);
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", audio.c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  rusage after{};
  getrusage(RUSAGE_CHILDREN, &after);
  auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  run.cpuSeconds = seconds(after.ru_utime) - seconds(before.ru_utime) + seconds(after.ru_stime) -
                   seconds(before.ru_stime);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Pixels of `image` inside `rect` that are close to `colour`.
int countNear(const QImage& image, QRect rect, QColor colour, int tolerance = 8) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) <= tolerance &&
          std::abs(c.green() - colour.green()) <= tolerance &&
          std::abs(c.blue() - colour.blue()) <= tolerance)
        ++n;
    }
  return n;
}

TEST(DesktopRun, ShowsTheBoardsATrainAndPlaysTheAnnouncement) {
  TempFolder folder;
  StationRecord record = SampleRecord();
  for (TrainEntry& t : record.trains) {
    t.spriteTop = 40;  // in the view, above the spare cells and the lower panel
    t.topSpeed = 4;
    t.approachOffset = 3;
  }
  record.frontTop = 400;  // behind the lower panel
  WriteStation(folder.path(), kStation, record, {}, 500);
  // Silent ambience and board sound, so only the announcement is heard.
  for (const char* quiet : {"駅サウンド/ambient_morning.wav", "駅サウンド/ambient_day.wav",
                            "駅サウンド/ambient_night.wav", "案内.wav"})
    writeSilence(folder.path() / quiet, 100);

  const auto snapshot = folder.path() / "snapshot.png";
  const auto audio = folder.path() / "audio.raw";
  const double runSeconds = 5;
  // Train 0 enters at 07:58:40; its approach announcement is due three seconds later.
  const ProgramRun run =
      runProgram({"xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", TOVAREK2_BINARY, "--data",
                  folder.path().string(), "--station", kStation, "--at", "07:58:40", "--snapshot",
                  snapshot.string(), "--quit-after", "5"},
                 audio);
  ASSERT_EQ(run.status, 0);
  RecordProperty("cpu_seconds", std::to_string(run.cpuSeconds));
  std::cout << "CPU over a " << runSeconds << " s run, X server included: " << run.cpuSeconds
            << " s\n";

  QImage image(QString::fromStdString(snapshot.string()));
  ASSERT_FALSE(image.isNull());
  ASSERT_EQ(image.size(), QSize(909, 573));
  const int panelTop = 219;
  // Board 0's title: white text on dark grey.
  const QRect title(8, panelTop + 8, 337, 26);
  EXPECT_GT(countNear(image, title, QColor(64, 64, 64)), title.width() * title.height() / 3);
  EXPECT_GT(countNear(image, title, QColor(255, 255, 255), 40), 20);
  // Board 0's first row: the hour cell holds digits.
  const QRect hour(8 + 127, panelTop + 32 + 8, 27, 26);
  EXPECT_GT(countNear(image, hour, QColor(255, 255, 255), 40), 5);
  // Train 0 runs in over the period's background: its masked picture reads 0x304000 there.
  const QRect view(0, 40, 909, 20);
  EXPECT_GT(countNear(image, view, QColor(0x30, 0x40, 0x00), 4), 100);

  std::ifstream in(audio, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.data());
  const std::size_t frames = bytes.size() / 4;
  ASSERT_GT(frames, 22050u * 3) << "the device ran for the whole run";
  auto loudest = [&](double from, double to) {
    int peak = 0;
    for (std::size_t f = static_cast<std::size_t>(from * 22050);
         f < std::min(frames, static_cast<std::size_t>(to * 22050)); ++f)
      peak = std::max(peak, std::abs(static_cast<int>(samples[2 * f])));
    return peak;
  };
  EXPECT_EQ(loudest(0, 0.5), 0) << "nothing is due in the first half second";
  EXPECT_GT(loudest(1.5, 4.5), 1000) << "the approach announcement";
}

}  // namespace
