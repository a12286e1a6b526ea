#pragma once

#include <cstdint>
#include <functional>

namespace fjordheim {

/// Names a one-shot timer so that it can be cancelled; 0 names none.
using TTimerId = std::uint64_t;

/// Deferred work on the one thread of the game: the window's queued calls and timers in the
/// game, a hand-driven clock in tests and in the simulator. Nothing runs inside the call that
/// schedules it, so a chain of merchant calls always completes before any event or tick.
class TScheduler {
 public:
  virtual ~TScheduler() = default;

  /// Runs the action after the current chain of calls has returned, in the order posted.
  virtual void Post(std::function<void()> action) = 0;

  /// Runs the action once, about delayMs milliseconds from now.
  virtual TTimerId StartTimer(std::int32_t delayMs, std::function<void()> action) = 0;

  /// Forgets a timer that has not fired yet; a timer that fired or an unknown id is ignored.
  virtual void CancelTimer(TTimerId id) = 0;
};

}  // namespace fjordheim
