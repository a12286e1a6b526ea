#include "core/trade/net_market.h"

#include "core/trade/client.h"

namespace fjordheim {

TNetMarket::TNetMarket(TScheduler& scheduler) : TLocalMarket(scheduler) {}

bool TNetMarket::Enter(TMerchant& merchant, std::int32_t& err) {
  err = 0;
  if (Client != nullptr) Client->Login(merchant);
  return true;
}

bool TNetMarket::Leave(TMerchant& merchant, std::int32_t& err) {
  if (Client != nullptr) Client->Logout();
  return TLocalMarket::Leave(merchant, err);
}

bool TNetMarket::EnterListed(TMerchant& merchant, std::int32_t& err) { return TLocalMarket::Enter(merchant, err); }

bool TNetMarket::LeaveListed(TMerchant& merchant, std::int32_t& err) { return TLocalMarket::Leave(merchant, err); }

}  // namespace fjordheim
