#pragma once
// Seconds of the day, hours * 3600 + minutes * 60 + seconds, as the timetable writes them:
// no wrap at midnight, no rounding, 75 minutes is simply 75 minutes. Any thread.
#include "station/station_record.h"

constexpr double secondsOfDay(double hours, double minutes, double seconds) {
  return hours * 3600 + minutes * 60 + seconds;
}
constexpr double secondsOfDay(const TimeTriple& t) {
  return secondsOfDay(t.hours, t.minutes, t.seconds);
}
