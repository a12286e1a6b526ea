#pragma once

#include "core/trade/lifeline.h"
#include "core/trade/market.h"
#include "core/trade/market_listener.h"
#include "core/trade/scheduler.h"

namespace fjordheim {

/// A market that tells the market window who comes and goes: an arrival is posted, a
/// departure is delivered before Leave returns, so a name is gone from the window's list as
/// soon as its merchant has left.
class TLocalMarket : public TMarket {
 public:
  explicit TLocalMarket(TScheduler& scheduler);

  /// Sets the market window that hears the events (null for none). A window destroyed
  /// without unsetting itself is simply no longer told anything.
  void SetNotifyWindow(TMarketListener* window);
  /// The market window that hears the events; null when none is set or it is gone.
  TMarketListener* NotifyWindow() const;

  /// Adds the merchant and posts its arrival.
  bool Enter(TMerchant& merchant, std::int32_t& err) override;
  /// Removes the merchant and tells the window at once.
  bool Leave(TMerchant& merchant, std::int32_t& err) override;

 private:
  TScheduler& FScheduler;
  TMarketListener* FNotifyWindow = nullptr;
  TLifeWatch FNotifyWindowWatch;
  TLifeline FLifeline;
};

}  // namespace fjordheim
