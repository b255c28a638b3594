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

// The three times of one train in seconds of day: T1 entry, T2 arrival, T3 departure.
struct TrainTimes {
  double entry = 0;
  double arrival = 0;
  double departure = 0;
};
constexpr TrainTimes trainTimes(const TrainEntry& t) {
  return {secondsOfDay(t.entryTime), secondsOfDay(t.arrivalTime), secondsOfDay(t.departureTime)};
}
