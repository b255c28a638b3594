// tovarek2: the desktop program. Opens the start-up window (or loads --station at once),
// runs the chosen station on Qt's event loop and plays its sound through SDL2.
#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "gui/command_line.h"
#include "gui/desktop_program.h"
#include "gui/qt_window_system.h"
#include "gui/sdl_audio_device.h"
#include "gui/shifted_clock.h"
#include "platform/mixer.h"
#include "platform/program_folder.h"
#include "platform/system_clock.h"
#include "station/tovarek2.h"

#ifndef TOVAREK2_VERSION
#define TOVAREK2_VERSION "0"
#endif

namespace {

// Qt's own options (-platform, -style, ...) start with a single dash.
bool hasQtOptions(const std::vector<std::string>& args) {
  for (const std::string& a : args)
    if (a.size() > 1 && a[0] == '-' && a[1] != '-' && a != "-h") return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Understood before Qt starts, so --help and mistakes need no display.
  std::vector<std::string> args(argv + 1, argv + argc);
  CommandLineResult parsed = parseCommandLine(args);
  std::unique_ptr<QApplication> app;
  if (!parsed.error.empty() && hasQtOptions(args)) {
    app = std::make_unique<QApplication>(argc, argv);  // takes its own options out
    args.clear();
    const QStringList rest = QCoreApplication::arguments();
    for (qsizetype i = 1; i < rest.size(); ++i) args.push_back(rest[i].toStdString());
    parsed = parseCommandLine(args);
  }
  if (!parsed.error.empty()) {
    std::cerr << "tovarek2: " << parsed.error << "\n" << usageText();
    return 2;
  }
  const CommandLine& options = parsed.options;
  if (options.help) {
    std::cout << usageText();
    return 0;
  }
  if (options.version) {
    std::cout << "tovarek2 " << TOVAREK2_VERSION << "\n";
    return 0;
  }
  std::error_code ignored;
  if (options.data && !std::filesystem::is_directory(*options.data, ignored)) {
    std::cerr << "tovarek2: --data: no such folder: " << *options.data << "\n";
    return 1;
  }

  if (!app) app = std::make_unique<QApplication>(argc, argv);
  QApplication::setApplicationName("Tovarek2");
  QApplication::setApplicationVersion(TOVAREK2_VERSION);
  const std::filesystem::path executable = QCoreApplication::applicationFilePath().toStdString();
  const std::filesystem::path root = ProgramFolder::locate(options.data, executable);

  SystemClock systemClock;
  ShiftedClock clock(systemClock);
  if (options.atSecondOfDay)
    clock.startAt(static_cast<std::int64_t>(*options.atSecondOfDay) * 1000);

  Mixer mixer;
  std::string audioError;
  // Declared after the mixer so the device stops calling it before the mixer goes.
  const std::unique_ptr<SdlAudioDevice> audio = SdlAudioDevice::open(
      [&mixer](std::int16_t* out, int frames) { mixer.render(out, frames); }, &audioError);
  if (!audio) std::cerr << "tovarek2: " << audioError << "; the station runs silent\n";

  QtWindowSystem windows;
  Tovarek2 station(clock, mixer, windows, ProgramFolder(root));
  DesktopProgram::Options runOptions;
  if (options.station) runOptions.station = stationFileName(*options.station);
  runOptions.snapshot = options.snapshot;
  runOptions.quitAfterSeconds = options.quitAfterSeconds;
  DesktopProgram program(station, windows, runOptions);
  QTimer::singleShot(0, &program, [&program] { program.start(); });
  return QApplication::exec();
}
