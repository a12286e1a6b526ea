#include "core/trade/manual_scheduler.h"

#include <algorithm>

namespace fjordheim {

void TManualScheduler::Post(std::function<void()> action) { FPosted.push_back(std::move(action)); }

TTimerId TManualScheduler::StartTimer(std::int32_t delayMs, std::function<void()> action) {
  const TTimerId id = ++FLastId;
  const std::int64_t due = FNow + std::max<std::int32_t>(delayMs, 0);
  FTimers.emplace(TDue{due, id}, std::move(action));
  FDueOfTimer.emplace(id, due);
  return id;
}

void TManualScheduler::CancelTimer(TTimerId id) {
  const auto found = FDueOfTimer.find(id);
  if (found == FDueOfTimer.end()) return;
  FTimers.erase(TDue{found->second, id});
  FDueOfTimer.erase(found);
}

std::size_t TManualScheduler::RunPosted() {
  std::size_t count = 0;
  while (!FPosted.empty()) {
    std::function<void()> action = std::move(FPosted.front());
    FPosted.pop_front();
    action();
    ++count;
  }
  return count;
}

void TManualScheduler::FireFirstTimer() {
  auto first = FTimers.begin();
  const TDue due = first->first;
  std::function<void()> action = std::move(first->second);
  FTimers.erase(first);
  FDueOfTimer.erase(due.second);
  FNow = std::max(FNow, due.first);
  action();
  RunPosted();
}

void TManualScheduler::Advance(std::int32_t ms) {
  RunPosted();
  const std::int64_t end = FNow + std::max<std::int32_t>(ms, 0);
  while (!FTimers.empty() && FTimers.begin()->first.first <= end) FireFirstTimer();
  FNow = end;
}

bool TManualScheduler::RunNextTimer() {
  RunPosted();
  if (FTimers.empty()) return false;
  FireFirstTimer();
  return true;
}

}  // namespace fjordheim
