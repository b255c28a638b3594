#pragma once
// The computer's clock: the local time of day (hour, minute, second and millisecond from one
// reading), optionally shifted by a whole number of seconds to run the station at another
// time of day, and std::chrono::steady_clock milliseconds for the tick. Any thread.
#include <cstdint>

#include "platform/clock.h"

class SystemClock final : public Clock {
 public:
  explicit SystemClock(std::int64_t offsetSeconds = 0) : offsetSeconds_(offsetSeconds) {}

  LocalTime localTime() const override;
  std::int64_t tickMs() const override;

  std::int64_t offsetSeconds() const { return offsetSeconds_; }

 private:
  std::int64_t offsetSeconds_;
};
