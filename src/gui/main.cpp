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

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tovarek2");
  QApplication::setApplicationVersion(TOVAREK2_VERSION);

  std::vector<std::string> args;
  const QStringList qtArgs = QCoreApplication::arguments();
  for (qsizetype i = 1; i < qtArgs.size(); ++i) args.push_back(qtArgs[i].toStdString());
  const CommandLineResult parsed = parseCommandLine(args);
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
