#include "station/station_check.h"

#include <cmath>
#include <map>
#include <sstream>

#include "engine/seconds_of_day.h"
#include "platform/bmp_reader.h"
#include "platform/load_error.h"
#include "platform/program_folder.h"
#include "platform/wave_loader.h"
#include "station/station_file.h"

namespace {

using station_values::periodValue;
using station_values::trainValue;

// Train fields by their place among a train's 28 values.
constexpr int kEntryHours = 3, kArrivalHours = 6, kDepartureHours = 9, kRowPictureName = 13,
              kArrivalSound = 15, kPreDepartureSound = 16, kApproachSound = 17, kBellSound = 19,
              kBellStopSound = 20, kPictureName = 21, kHasOpenPicture = 22, kSpriteWidth = 25,
              kDoorsOpen = 28;

// The last departure that a pass still sees the train away from the platform and home.
constexpr double kLastDepartureSentHome = 23 * 3600 + 58 * 60 + 29;

std::string hhmmss(const TimeTriple& t) {
  std::ostringstream out;
  out << t.hours << ":" << t.minutes << ":" << t.seconds;
  return out.str();
}

class Checker {
 public:
  Checker(const ProgramFolder& folder, std::vector<StationFinding>& out)
      : folder_(folder), out_(out) {}

  void error(int n, const std::string& what) {
    out_.push_back({true, n, describeValue(n) + ": " + what});
  }
  void warn(int n, const std::string& what) {
    out_.push_back({false, n, describeValue(n) + ": " + what});
  }

  // Resolves and decodes one named file; each distinct file is reported once.
  template <typename Decode>
  const Surface* file(int n, std::string_view folderName, const std::string& name,
                      std::string_view suffix, std::string_view extension, Decode decode) {
    std::string rel;
    try {
      rel =
          folder_.relativePath(folderName, name + std::string(suffix), extension, describeValue(n));
    } catch (const LoadError& e) {
      out_.push_back({true, n, e.what()});
      return nullptr;
    }
    auto [it, fresh] = seen_.try_emplace(rel);
    if (fresh) {
      try {
        it->second.bitmap = decode(folder_.resolve(rel));
      } catch (const LoadError& e) {
        it->second.failed = true;
        error(n, e.what());
      }
    }
    return it->second.bitmap ? &*it->second.bitmap : nullptr;
  }

  const Surface* picture(int n, std::string_view folderName, const std::string& name,
                         std::string_view suffix = "") {
    return file(n, folderName, name, suffix, ".bmp",
                [](const std::filesystem::path& p) { return std::optional<Surface>(loadBmp(p)); });
  }
  void sound(int n, std::string_view folderName, const std::string& name) {
    file(n, folderName, name, "", ".wav", [](const std::filesystem::path& p) {
      loadWave(p);
      return std::optional<Surface>();
    });
  }

 private:
  struct Seen {
    std::optional<Surface> bitmap;
    bool failed = false;
  };
  const ProgramFolder& folder_;
  std::vector<StationFinding>& out_;
  std::map<std::string, Seen> seen_;
};

void checkTime(Checker& c, int n, const TimeTriple& t, const char* what) {
  const double s = secondsOfDay(t);
  if (s >= 86400)
    c.warn(n, std::string(what) + " " + hhmmss(t) + " is at or past 24:00 and never comes");
  else if (t.seconds != std::floor(t.seconds))
    c.warn(n, std::string(what) + " " + hhmmss(t) +
                  " has a fraction of a second; the once-a-second tests never meet it");
}

}  // namespace

std::string StationFinding::line() const {
  return (error ? "error: " : "warning: ") + message;
}

bool StationWouldLoad(const std::vector<StationFinding>& findings) {
  for (const StationFinding& f : findings)
    if (f.error) return false;
  return true;
}

std::vector<StationFinding> CheckStation(const ProgramFolder& folder, const std::string& name) {
  std::vector<StationFinding> out;
  StationRecord r;
  std::vector<StationFileNote> notes;
  try {
    ReadStationFile(folder, name, r, &notes);
  } catch (const LoadError& e) {
    for (const StationFileNote& note : notes)
      out.push_back({false, note.valueNumber, note.message});
    out.push_back({true, 0, e.what()});
    return out;
  }
  for (const StationFileNote& note : notes)
    out.push_back({false, note.valueNumber,
                   note.message + "; probably a value is missing or extra before it"});

  Checker c(folder, out);
  const auto sounds = ProgramFolder::kSoundFolder;
  const auto pictures = ProgramFolder::kPictureFolder;
  for (int k = 0; k < kTrainCount; ++k) {
    const TrainEntry& t = r.trains[k];
    c.sound(trainValue(k, kArrivalSound), sounds, t.arrivalSound);
    c.sound(trainValue(k, kPreDepartureSound), sounds, t.preDepartureSound);
    c.sound(trainValue(k, kApproachSound), sounds, t.approachSound);
    c.sound(trainValue(k, kBellSound), sounds, t.bellSound);
    c.sound(trainValue(k, kBellStopSound), sounds, t.bellStopSound);
  }
  for (int p = 0; p < 3; ++p) c.sound(periodValue(p, 5), sounds, r.periods[p].periodSound);
  c.file(0, "", std::string(ProgramFolder::kBoardSoundName), "", ".wav",
         [](const std::filesystem::path& p) {
           loadWave(p);
           return std::optional<Surface>();
         });
  c.picture(station_values::kFrontPicture, "", r.frontPicture);
  for (int p = 0; p < 3; ++p) c.picture(periodValue(p, 4), pictures, r.periods[p].periodPicture);
  for (int o = 0; o < 6; ++o)
    c.picture(station_values::overlayValue(o, 2), pictures, r.overlays[o].overlayPicture);

  for (int k = 0; k < kTrainCount; ++k) {
    const TrainEntry& t = r.trains[k];
    c.picture(trainValue(k, kRowPictureName), pictures, t.rowPictureName);
    const Surface* closed = c.picture(trainValue(k, kPictureName), pictures, t.pictureName);
    const Surface* open = nullptr;
    if (t.hasOpenPicture == 1)
      open = c.picture(trainValue(k, kPictureName), pictures, t.pictureName,
                       ProgramFolder::kOpenDoorSuffix);
    for (const Surface* s : {closed, open}) {
      if (s && s->width < 2 * t.spriteWidth) {
        c.warn(trainValue(k, kSpriteWidth),
               "the train bitmap is " + std::to_string(s->width) +
                   " pixels wide, less than twice spriteWidth: picture and mask do not both fit");
        break;
      }
    }
    checkTime(c, trainValue(k, kEntryHours), t.entryTime, "entryTime");
    checkTime(c, trainValue(k, kArrivalHours), t.arrivalTime, "arrivalTime");
    checkTime(c, trainValue(k, kDepartureHours), t.departureTime, "departureTime");
    const double t1 = secondsOfDay(t.entryTime), t2 = secondsOfDay(t.arrivalTime),
                 t3 = secondsOfDay(t.departureTime);
    if (t2 - t1 < 7)
      c.warn(trainValue(k, kArrivalHours),
             "arrivalTime is less than 7 seconds after entryTime: the train cannot run in");
    if (t3 >= kLastDepartureSentHome && t3 < 86400)
      c.warn(trainValue(k, kDepartureHours),
             "departureTime " + hhmmss(t.departureTime) +
                 " is 23:58:29 or later: the train is never sent home and stays in view");
    if (t.hasOpenPicture != 0 && t.hasOpenPicture != 1)
      c.warn(
          trainValue(k, kHasOpenPicture),
          "hasOpenPicture is " + std::to_string(t.hasOpenPicture) + "; only 0 or 1 mean anything");
    if (t.doorsOpen == 1 && t.hasOpenPicture != 1)
      c.warn(trainValue(k, kDoorsOpen),
             "doorsOpen is 1 but the train has no open-door picture: its doors stay shut");
  }
  for (int p = 0; p < 3; ++p)
    checkTime(c, periodValue(p, 1), r.periods[p].periodStart, "periodStart");
  for (int p = 0; p + 1 < 3; ++p)
    if (secondsOfDay(r.periods[p].periodStart) >= secondsOfDay(r.periods[p + 1].periodStart))
      c.warn(periodValue(p + 1, 1), "period " + std::to_string(p + 1) +
                                        " starts no later than period " + std::to_string(p) +
                                        ": the periods are out of order");
  for (int b = 0; b < kBoardCount; ++b)
    for (int j = 0; j + 1 < kTrainsPerBoard; ++j) {
      const int k = b * kTrainsPerBoard + j;
      if (secondsOfDay(r.trains[k].departureTime) > secondsOfDay(r.trains[k + 1].departureTime))
        c.warn(trainValue(k + 1, kDepartureHours),
               "train " + std::to_string(k + 1) + " departs before train " + std::to_string(k) +
                   " of the same board: the board's departures are out of order");
    }
  return out;
}
