#pragma once
// Where the station gets its time from: the local time of day (one reading gives hour,
// minute, second and millisecond together) and a monotonic millisecond tick for pacing.
// The desktop program reads the computer's clock; tests and the simulator a VirtualClock.
// Called from the UI thread only.
#include <cstdint>
#include <string>

struct LocalTime {
  int hour = 0;         // 0..23
  int minute = 0;       // 0..59
  int second = 0;       // 0..59
  int millisecond = 0;  // 0..999

  // "HH:MM:SS", the platform's standard way of writing a time of day.
  std::string text() const;
  // Whole seconds since midnight, 0..86399.
  int secondOfDay() const { return hour * 3600 + minute * 60 + second; }
};

// A time of day from milliseconds since midnight, wrapped into one day.
LocalTime localTimeFromMs(std::int64_t msOfDay);

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime localTime() const = 0;
  // Milliseconds on a monotonic counter that never wraps while the program runs.
  virtual std::int64_t tickMs() const = 0;
};

// A clock that stands still until told to move: the time of day wraps at midnight as the
// computer's clock does, the tick counts every millisecond advanced.
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(std::int64_t msOfDay = 0) : msOfDay_(msOfDay) {}
  void set(int hour, int minute, int second, int millisecond = 0);
  void advanceMs(std::int64_t ms);

  LocalTime localTime() const override { return localTimeFromMs(msOfDay_); }
  std::int64_t tickMs() const override { return tick_; }
  std::int64_t msOfDay() const { return ((msOfDay_ % kMsPerDay) + kMsPerDay) % kMsPerDay; }

  static constexpr std::int64_t kMsPerDay = 86'400'000;

 private:
  std::int64_t msOfDay_;
  std::int64_t tick_ = 0;
};
