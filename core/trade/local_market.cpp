#include "core/trade/local_market.h"

namespace fjordheim {

TLocalMarket::TLocalMarket(TScheduler& scheduler) : FScheduler(scheduler) {}

void TLocalMarket::SetNotifyWindow(TMarketListener* window) {
  FNotifyWindow = window;
  FNotifyWindowWatch = window != nullptr ? window->LifeWatch() : TLifeWatch();
}

TMarketListener* TLocalMarket::NotifyWindow() const {
  return IsAlive(FNotifyWindowWatch) ? FNotifyWindow : nullptr;
}

// An arrival is dropped on delivery when the market, the merchant or the window is gone, or
// when the merchant left again before the window heard of it: a name never appears for
// someone who is no longer there.
bool TLocalMarket::Enter(TMerchant& merchant, std::int32_t& err) {
  if (!TMarket::Enter(merchant, err)) return false;
  TMarketListener* window = NotifyWindow();
  if (window == nullptr) return true;
  FScheduler.Post([this, &merchant, window, market = FLifeline.Watch(), who = merchant.LifeWatch(),
                   windowWatch = FNotifyWindowWatch] {
    if (IsAlive(market) && IsAlive(who) && IsAlive(windowWatch) && IsPresent(merchant)) {
      window->MarketEvent(TMarketEvent::Entered, merchant);
    }
  });
  return true;
}

bool TLocalMarket::Leave(TMerchant& merchant, std::int32_t& err) {
  if (!TMarket::Leave(merchant, err)) return false;
  if (TMarketListener* window = NotifyWindow()) window->MarketEvent(TMarketEvent::Left, merchant);
  return true;
}

}  // namespace fjordheim
