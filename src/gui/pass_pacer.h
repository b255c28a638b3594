#pragma once
// Paces the passes of the main loop without busy waiting: a precise single-shot timer
// starts each pass as soon as 25 ms have passed since the previous pass began, never
// sooner, on the clock's monotonic millisecond tick. UI thread only.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/clock.h"

// Milliseconds to wait from `nowMs` until a pass may begin: 0 when none has run yet or
// the interval is over, otherwise what is left of it.
std::int64_t passDelayMs(std::int64_t nowMs, std::optional<std::int64_t> lastPassStartMs,
                         int intervalMs);

class PassPacer : public QObject {
  Q_OBJECT
 public:
  // `mayRun` is asked before every pass (false while the settings window holds the loop);
  // `pass` gets the tick at which it began.
  PassPacer(const Clock& clock, int intervalMs, std::function<bool()> mayRun,
            std::function<void(std::int64_t startTick)> pass);

  // Schedules the next pass if none is scheduled. Cheap to call after every event.
  void start();
  // No further pass until start(); the interval since the last pass still counts.
  void stop();
  bool active() const { return timer_.isActive(); }
  std::int64_t scheduledDelayMs() const { return scheduledDelayMs_; }
  std::optional<std::int64_t> lastPassStartMs() const { return lastStart_; }

  // What the timer does when it fires (public so tests can drive it on a virtual clock).
  void onTimer();

 private:
  void schedule();

  const Clock& clock_;
  int intervalMs_;
  std::function<bool()> mayRun_;
  std::function<void(std::int64_t)> pass_;
  QTimer timer_;
  std::optional<std::int64_t> lastStart_;
  std::int64_t scheduledDelayMs_ = 0;
};
