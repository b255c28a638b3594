#pragma once
// What a load decodes before it touches the running station: the record, every sound and
// every bitmap the station can ever play or show, keyed by their program-folder paths.
// Built completely first, then swapped in, so a failed load leaves the station running.
// UI thread only.
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound_output.h"
#include "platform/surface.h"
#include "station/station_record.h"

class ProgramFolder;

// One voice to create, in the order the load creates them.
struct StagedVoice {
  const char* field = "";
  int train = -1;
  int period = -1;
  std::shared_ptr<const SampleData> sound;
};

struct StagedStation {
  StationRecord record;
  std::vector<StagedVoice> voices;                                // 164, in load order
  std::map<std::string, std::shared_ptr<const Surface>> bitmaps;  // by relative path
  std::array<std::string, 3> periodPaths;
  std::string frontPath;
  std::array<std::string, 6> overlayPaths;
  std::array<std::string, kTrainCount> rowPaths;
};

// Reads 駅ファイル/<name> and decodes everything it names. Throws LoadError naming the
// file's full path and the station-file value it came from.
StagedStation StageStation(const ProgramFolder& folder, const std::string& name);
