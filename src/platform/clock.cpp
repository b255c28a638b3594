#include "platform/clock.h"

#include <cstdio>

std::string LocalTime::text() const {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour, minute, second);
  return buffer;
}

LocalTime localTimeFromMs(std::int64_t msOfDay) {
  constexpr std::int64_t kDay = VirtualClock::kMsPerDay;
  const std::int64_t ms = ((msOfDay % kDay) + kDay) % kDay;
  LocalTime t;
  t.hour = static_cast<int>(ms / 3'600'000);
  t.minute = static_cast<int>(ms / 60'000 % 60);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.millisecond = static_cast<int>(ms % 1000);
  return t;
}

void VirtualClock::set(int hour, int minute, int second, int millisecond) {
  msOfDay_ = ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
}

void VirtualClock::advanceMs(std::int64_t ms) {
  msOfDay_ = (msOfDay_ + ms) % kMsPerDay;
  tick_ += ms;
}
