#pragma once
// The station checker: reads a station file and every file it names, plays nothing, and
// lists every error that would make the load fail and every warning about values that
// load but will not behave as the author probably meant. UI thread or a command line.
#include <string>
#include <vector>

class ProgramFolder;

struct StationFinding {
  bool error = false;   // true: the load fails; false: a warning
  int valueNumber = 0;  // 1..958; 0 when the finding is about the file as a whole
  std::string message;  // names the value ("train 7 arrivalSound, value 217") and the fault

  // "error: train 7 arrivalSound, value 217: ..." as one line.
  std::string line() const;
};

std::vector<StationFinding> CheckStation(const ProgramFolder& folder, const std::string& name);

// True when none of the findings is an error: the station would load.
bool StationWouldLoad(const std::vector<StationFinding>& findings);
