#include "gui/shifted_clock.h"

namespace {

std::int64_t msOfDay(const LocalTime& t) {
  return static_cast<std::int64_t>(t.secondOfDay()) * 1000 + t.millisecond;
}

}  // namespace

void ShiftedClock::startAt(std::int64_t wantedMsOfDay) {
  offsetMs_ = wantedMsOfDay - msOfDay(base_.localTime());
}

LocalTime ShiftedClock::localTime() const {
  return localTimeFromMs(msOfDay(base_.localTime()) + offsetMs_);
}
