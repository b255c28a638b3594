#pragma once
// A clock that reads another one with its time of day moved by a fixed number of
// milliseconds (--at): the station then runs in real time from the chosen moment. The
// tick is the other clock's, untouched. UI thread only.
#include <cstdint>

#include "platform/clock.h"

class ShiftedClock final : public Clock {
 public:
  explicit ShiftedClock(const Clock& base, std::int64_t offsetMs = 0)
      : base_(base), offsetMs_(offsetMs) {}
  // From now on the time of day reads `msOfDay` at this moment.
  void startAt(std::int64_t msOfDay);
  std::int64_t offsetMs() const { return offsetMs_; }

  LocalTime localTime() const override;
  std::int64_t tickMs() const override { return base_.tickMs(); }

 private:
  const Clock& base_;
  std::int64_t offsetMs_;
};
