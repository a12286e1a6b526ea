#include "core/trade/local_market.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/trade/manual_scheduler.h"
#include "tests/core/trade/market_windows.h"

namespace fjordheim {
namespace {

struct MarketFixture : ::testing::Test {
  TManualScheduler Scheduler;
  TMarketWindow Window;
  std::unique_ptr<TLocalMarket> Market = std::make_unique<TLocalMarket>(Scheduler);
  TMerchant Ragnvald{nullptr, "Ragnvald"};
  TMerchant Gunnhild{nullptr, "Gunnhild"};
  std::int32_t Err = 5;

  void SetUp() override { Market->SetNotifyWindow(&Window); }
};

TEST_F(MarketFixture, ArrivalsArePostedInOrderAndDeparturesTellTheWindowAtOnce) {
  ASSERT_TRUE(Market->Enter(Ragnvald, Err));
  EXPECT_EQ(Err, 0);
  ASSERT_TRUE(Market->Enter(Gunnhild, Err));
  EXPECT_EQ(Market->MerchantCount(), 2U);
  EXPECT_EQ(&Market->GetMerchant(1), &Gunnhild);
  EXPECT_TRUE(Window.Names.empty());
  Scheduler.RunPosted();
  EXPECT_EQ(Window.Names, (std::vector<std::string>{"Ragnvald", "Gunnhild"}));
  ASSERT_TRUE(Market->Leave(Ragnvald, Err));
  EXPECT_EQ(Window.Names, (std::vector<std::string>{"Gunnhild"}));
  EXPECT_FALSE(Market->IsPresent(Ragnvald));
  EXPECT_EQ(Market->MerchantCount(), 1U);
}

TEST_F(MarketFixture, AnArrivalIsDroppedWhenTheMerchantLeftOrAnyoneIsGoneBeforeItIsHeard) {
  ASSERT_TRUE(Market->Enter(Ragnvald, Err));
  ASSERT_TRUE(Market->Leave(Ragnvald, Err));
  Scheduler.RunPosted();
  EXPECT_TRUE(Window.Names.empty());

  auto brief = std::make_unique<TMerchant>(nullptr, "Brief");
  ASSERT_TRUE(Market->Enter(*brief, Err));
  brief.reset();
  ASSERT_TRUE(Market->Enter(Gunnhild, Err));
  Market.reset();
  Scheduler.RunPosted();
  EXPECT_TRUE(Window.Names.empty());

  Market = std::make_unique<TLocalMarket>(Scheduler);
  auto window = std::make_unique<TMarketWindow>();
  Market->SetNotifyWindow(window.get());
  ASSERT_TRUE(Market->Enter(Gunnhild, Err));
  window.reset();
  EXPECT_EQ(Scheduler.RunPosted(), 1U);
  // A window gone without unsetting itself hears no departure either.
  EXPECT_EQ(Market->NotifyWindow(), nullptr);
  EXPECT_TRUE(Market->Leave(Gunnhild, Err));
}

TEST(Market, ThePlainMarketOnlyKeepsTheList) {
  TMarket market;
  TMerchant a(nullptr, "A");
  std::int32_t err = 1;
  EXPECT_TRUE(market.Leave(a, err));
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(market.Enter(a, err));
  EXPECT_TRUE(market.IsPresent(a));
  EXPECT_TRUE(market.Leave(a, err));
  EXPECT_EQ(market.MerchantCount(), 0U);
}

}  // namespace
}  // namespace fjordheim
