#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <utility>

#include "core/trade/scheduler.h"

namespace fjordheim {

/// A scheduler whose clock moves only when told: tests and the simulator step merchants
/// through a negotiation tick by tick without waiting.
class TManualScheduler : public TScheduler {
 public:
  void Post(std::function<void()> action) override;
  TTimerId StartTimer(std::int32_t delayMs, std::function<void()> action) override;
  void CancelTimer(TTimerId id) override;

  /// Runs every posted action, including those posted while running; returns how many ran.
  std::size_t RunPosted();

  /// Moves the clock on by ms, firing the timers that fall due in time order and running the
  /// posted actions after each.
  void Advance(std::int32_t ms);

  /// Runs what is posted, then jumps the clock to the next timer and fires it (and what it
  /// posts); false when no timer was pending.
  bool RunNextTimer();

  /// True when nothing is posted and no timer is pending.
  bool IsIdle() const { return FPosted.empty() && FTimers.empty(); }

  std::size_t PendingTimers() const { return FTimers.size(); }
  std::size_t PendingPosts() const { return FPosted.size(); }

  /// Milliseconds since the scheduler was made.
  std::int64_t Now() const { return FNow; }

 private:
  // Timers ordered by due time, then by the order they were started.
  using TDue = std::pair<std::int64_t, TTimerId>;

  void FireFirstTimer();

  std::deque<std::function<void()>> FPosted;
  std::map<TDue, std::function<void()>> FTimers;
  std::map<TTimerId, std::int64_t> FDueOfTimer;
  std::int64_t FNow = 0;
  TTimerId FLastId = 0;
};

}  // namespace fjordheim
