#include "core/trade/manual_scheduler.h"

#include <gtest/gtest.h>

#include <vector>

namespace fjordheim {
namespace {

TEST(ManualScheduler, RunsPostedActionsInOrderIncludingThosePostedWhileRunning) {
  TManualScheduler scheduler;
  std::vector<int> seen;
  scheduler.Post([&] {
    seen.push_back(1);
    scheduler.Post([&] { seen.push_back(3); });
  });
  scheduler.Post([&] { seen.push_back(2); });
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(scheduler.RunPosted(), 3U);
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(scheduler.IsIdle());
}

TEST(ManualScheduler, FiresTimersOnceInDueOrderAndForgetsCancelledOnes) {
  TManualScheduler scheduler;
  std::vector<int> seen;
  scheduler.StartTimer(300, [&] { seen.push_back(300); });
  const TTimerId cancelled = scheduler.StartTimer(100, [&] { seen.push_back(100); });
  scheduler.StartTimer(200, [&] {
    seen.push_back(200);
    scheduler.Post([&] { seen.push_back(201); });
  });
  scheduler.CancelTimer(cancelled);
  scheduler.CancelTimer(cancelled);
  scheduler.CancelTimer(999);
  scheduler.Advance(250);
  EXPECT_EQ(seen, (std::vector<int>{200, 201}));
  EXPECT_EQ(scheduler.Now(), 250);
  EXPECT_TRUE(scheduler.RunNextTimer());
  EXPECT_EQ(scheduler.Now(), 300);
  EXPECT_FALSE(scheduler.RunNextTimer());
  EXPECT_EQ(seen, (std::vector<int>{200, 201, 300}));
}

}  // namespace
}  // namespace fjordheim
