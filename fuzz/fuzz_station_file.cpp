// Any bytes as a station file: a record or a LoadError, nothing else.
#include <cstdint>
#include <string_view>

#include "platform/load_error.h"
#include "station/station_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  StationRecord record;
  std::vector<StationFileNote> notes;
  try {
    ReadStationBytes(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.CSV",
                     record, &notes);
  } catch (const LoadError&) {
  }
  return 0;
}
