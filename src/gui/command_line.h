#pragma once
// The command line of tovarek2: [--data DIR] [--station NAME] [--at HH:MM[:SS]]
// [--snapshot FILE.png --quit-after SECONDS] [--help] [--version]. Options take their
// value as the next argument or after '='. Any thread; pure.
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
  std::optional<std::string> data;      // the program folder
  std::optional<std::string> station;   // the station file to load at once
  std::optional<int> atSecondOfDay;     // where the station clock starts
  std::optional<std::string> snapshot;  // PNG of the main window's inside, at the end
  std::optional<double> quitAfterSeconds;
  bool help = false;
  bool version = false;
};

struct CommandLineResult {
  CommandLine options;
  std::string error;  // empty when the line was understood
};

// `args` without the program name.
CommandLineResult parseCommandLine(const std::vector<std::string>& args);
// "HH:MM" or "HH:MM:SS", 0-23, 0-59, 0-59, as seconds of the day; nothing if malformed.
std::optional<int> parseTimeOfDay(const std::string& text);
// The station file for --station NAME: NAME as given, with ".CSV" added when it has no
// .csv ending of any case.
std::string stationFileName(const std::string& name);
std::string usageText();
