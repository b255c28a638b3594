#include "gui/pass_pacer.h"

#include <algorithm>

std::int64_t passDelayMs(std::int64_t nowMs, std::optional<std::int64_t> lastPassStartMs,
                         int intervalMs) {
  if (!lastPassStartMs) return 0;
  return std::max<std::int64_t>(0, *lastPassStartMs + intervalMs - nowMs);
}

PassPacer::PassPacer(const Clock& clock, int intervalMs, std::function<bool()> mayRun,
                     std::function<void(std::int64_t)> pass)
    : clock_(clock), intervalMs_(intervalMs), mayRun_(std::move(mayRun)), pass_(std::move(pass)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &PassPacer::onTimer);
}

void PassPacer::start() {
  if (!timer_.isActive()) schedule();
}

void PassPacer::stop() {
  timer_.stop();
}

void PassPacer::schedule() {
  scheduledDelayMs_ = passDelayMs(clock_.tickMs(), lastStart_, intervalMs_);
  timer_.start(static_cast<int>(scheduledDelayMs_));
}

void PassPacer::onTimer() {
  timer_.stop();
  if (!mayRun_()) return;  // held: whoever releases the hold calls start() again
  const std::int64_t now = clock_.tickMs();
  if (passDelayMs(now, lastStart_, intervalMs_) > 0) {
    // A timer that fired early on our tick: wait out the rest, never start sooner.
    schedule();
    return;
  }
  lastStart_ = now;
  pass_(now);
  if (!timer_.isActive()) schedule();
}
