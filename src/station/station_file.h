#pragma once
// Reads a station file: 958 values in fixed positions, Shift_JIS (code page 932) text,
// separated by commas or line ends, into a StationRecord, storing each value as it is
// read. Called from the UI thread (and the checker); keeps no state between calls.
#include <string>
#include <string_view>
#include <vector>

#include "station/station_record.h"

class ProgramFolder;

// Something the reader noticed that loads but is probably not what the author meant.
struct StationFileNote {
  int valueNumber = 0;  // 1..958
  std::string message;  // "train 3 topSpeed holds the text \"abc\", which reads as 0"
};

// Reads 駅ファイル/<name> of the program folder into `record`. Throws LoadError naming the
// full path and, for short files and overflows, the value and field that failed. Values
// read before a failure are already in `record`. Notes (text in number positions) are
// appended to `notes` when it is given.
void ReadStationFile(const ProgramFolder& folder, std::string_view name, StationRecord& record,
                     std::vector<StationFileNote>* notes = nullptr,
                     std::vector<StationFileNote>* overflows = nullptr);

// The same reader on bytes already in memory; `pathForErrors` names them in messages.
// With `overflows` given, an integer out of range is listed there, reads as 0 and the
// reading goes on (the checker wants every finding, not the first).
void ReadStationBytes(std::string_view bytes, const std::string& pathForErrors,
                      StationRecord& record, std::vector<StationFileNote>* notes = nullptr,
                      std::vector<StationFileNote>* overflows = nullptr);

// Value numbers (1..958) of the fields, and their names for messages.
namespace station_values {
inline constexpr int kHeaderValues = 6;
inline constexpr int kTrainValues = 28;
inline constexpr int kTrailerStart = kHeaderValues + kTrainCount * kTrainValues;  // 902
// Train k's field f (1..28, in file order: 1 spare1 ... 28 doorsOpen).
constexpr int trainValue(int k, int field) {
  return kHeaderValues + k * kTrainValues + field;
}
// Trailer item i (1..56).
constexpr int trailerValue(int item) {
  return kTrailerStart + item;
}
// Period p's item (1 hours, 2 minutes, 3 seconds, 4 periodPicture, 5 periodSound).
constexpr int periodValue(int p, int item) {
  return trailerValue(2 + 5 * p + item - 1);
}
// Overlay o's item (1 overlaySpare, 2 overlayPicture, 3 left, 4 top, 5 width, 6 height).
constexpr int overlayValue(int o, int item) {
  return trailerValue(21 + 6 * o + item - 1);
}
inline constexpr int kFrontPicture = kTrailerStart + 18;
}  // namespace station_values

// "train 7 arrivalSound, value 217", "period 1 periodPicture, value 911", ...
std::string describeValue(int valueNumber);
