#pragma once
// Small stations written by the tests: a record from a few rules, and every picture and
// sound it names as tiny files in a temporary program folder.
#include <filesystem>
#include <set>
#include <string>

#include "station/station_record.h"

// A tidy station: board b's train j departs at 08:00 + 10 min * j + 2 min * b, stands for
// 40 s after running in for 40 s; even trains have open-door pictures and open them.
// Periods start 05:00, 10:00, 18:00.
StationRecord SampleRecord(const std::string& title = "テスト駅");

// Writes 駅ファイル/<name> and every file the record names (pictures as small .bmp files,
// sounds of `soundMs` milliseconds as .wav files), except the relative paths in `skip`.
void WriteStation(const std::filesystem::path& programFolder, const std::string& name,
                  const StationRecord& record, const std::set<std::string>& skip = {},
                  int soundMs = 20);

// A short 22050 Hz 16-bit stereo wave file of a plain tone.
void WriteTone(const std::filesystem::path& file, int milliseconds, int rate = 22050);
