#include "platform/system_clock.h"

#include <chrono>
#include <ctime>

LocalTime SystemClock::localTime() const {
  using namespace std::chrono;
  const std::int64_t ms =
      duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  // Floor division, so a clock set before 1970 still gives a millisecond in 0..999.
  std::int64_t seconds = ms / 1000;
  std::int64_t millisecond = ms % 1000;
  if (millisecond < 0) {
    millisecond += 1000;
    --seconds;
  }
  // The offset moves the moment, not the reading, so daylight saving is honoured.
  const std::time_t when = static_cast<std::time_t>(seconds + offsetSeconds_);
  std::tm tm{};
  LocalTime t;
  if (!localtime_r(&when, &tm)) return t;
  t.hour = tm.tm_hour;
  t.minute = tm.tm_min;
  // A leap second reads as the last second of its minute.
  t.second = tm.tm_sec > 59 ? 59 : tm.tm_sec;
  t.millisecond = static_cast<int>(millisecond);
  return t;
}

std::int64_t SystemClock::tickMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
