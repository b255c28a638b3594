#pragma once
// Writes a StationRecord as a station file: 958 values in file order, code page 932, one
// value per line with CR LF, every text value in double quotes, numbers in their shortest
// exact decimal form. Reading the result gives the same record back. Any thread.
#include <string>

#include "station/station_record.h"

std::string WriteStationBytes(const StationRecord& record);
