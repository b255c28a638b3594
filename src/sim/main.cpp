// tovarek2-sim: runs a station without a display on a virtual clock, reading a script on
// standard input and writing what happens as JSON lines on standard output.
#include <sndfile.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "sim/simulator.h"
#include "station/station_check.h"

namespace {

int usage(const std::string& why) {
  std::cerr << "tovarek2-sim: " << why
            << "\nusage: tovarek2-sim --data DIR --start HH:MM:SS[.mmm] [--station NAME] "
               "[--wav FILE] < script\n       tovarek2-sim --data DIR --check NAME\n";
  return 2;
}

bool writeWave(const std::string& file, const std::vector<std::int16_t>& samples) {
  SF_INFO info{};
  info.samplerate = kSampleRate;
  info.channels = kChannels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(file.c_str(), SFM_WRITE, &info);
  if (!f) return false;
  const sf_count_t frames = static_cast<sf_count_t>(samples.size() / kChannels);
  const bool ok = sf_writef_short(f, samples.data(), frames) == frames;
  return sf_close(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::string> data, start, station, wav, check;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    std::optional<std::string>* target = arg == "--data"      ? &data
                                         : arg == "--start"   ? &start
                                         : arg == "--station" ? &station
                                         : arg == "--wav"     ? &wav
                                         : arg == "--check"   ? &check
                                                              : nullptr;
    if (!target) return usage("unknown option " + arg);
    if (i + 1 >= argc) return usage(arg + " needs a value");
    *target = argv[++i];
  }
  if (check) {
    // Reads everything the station names, plays nothing, reports every finding.
    const ProgramFolder folder(ProgramFolder::locate(data, argv[0]));
    const auto findings = CheckStation(folder, *check);
    for (const StationFinding& f : findings) std::cout << f.line() << "\n";
    const bool loads = StationWouldLoad(findings);
    std::cout << *check << (loads ? ": the station loads" : ": the station does not load") << "\n";
    return loads ? 0 : 1;
  }
  if (!start) return usage("--start is required");
  const auto startMs = ParseTimeOfDay(*start);
  if (!startMs) return usage("--start must be HH:MM:SS or HH:MM:SS.mmm, not " + *start);

  Simulator sim(ProgramFolder(ProgramFolder::locate(data, argv[0])), *startMs, std::cout);
  sim.keepRendered(wav.has_value());
  int status = 0;
  bool going = true;
  if (station) going = sim.line("select " + *station) && sim.line("click Miselu起動.Command1");
  status = going ? sim.run(std::cin) : sim.exitStatus();
  std::cout.flush();
  if (wav && !writeWave(*wav, sim.rendered())) {
    std::cerr << "tovarek2-sim: cannot write " << *wav << "\n";
    if (status == 0) status = 1;
  }
  return status;
}
