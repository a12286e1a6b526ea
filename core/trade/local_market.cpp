#include "core/trade/local_market.h"

namespace fjordheim {

TLocalMarket::TLocalMarket(TScheduler& scheduler) : FScheduler(scheduler) {}

// An arrival is dropped on delivery when the market, the merchant or the window is gone, or
// when the merchant left again before the window heard of it: a name never appears for
// someone who is no longer there.
bool TLocalMarket::Enter(TMerchant& merchant, std::int32_t& err) {
  if (!TMarket::Enter(merchant, err)) return false;
  TMarketListener* listener = NotifyWindow;
  if (listener == nullptr) return true;
  FScheduler.Post([this, &merchant, listener, market = FLifeline.Watch(), who = merchant.LifeWatch(),
                   window = listener->LifeWatch()] {
    if (IsAlive(market) && IsAlive(who) && IsAlive(window) && IsPresent(merchant)) {
      listener->MarketEvent(TMarketEvent::Entered, merchant);
    }
  });
  return true;
}

bool TLocalMarket::Leave(TMerchant& merchant, std::int32_t& err) {
  if (!TMarket::Leave(merchant, err)) return false;
  if (NotifyWindow != nullptr) NotifyWindow->MarketEvent(TMarketEvent::Left, merchant);
  return true;
}

}  // namespace fjordheim
