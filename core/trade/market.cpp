#include "core/trade/market.h"

#include <algorithm>

namespace fjordheim {

bool TMarket::Enter(TMerchant& merchant, std::int32_t& err) {
  Merchants.push_back(&merchant);
  err = 0;
  return true;
}

bool TMarket::Leave(TMerchant& merchant, std::int32_t& err) {
  const auto found = std::find(Merchants.begin(), Merchants.end(), &merchant);
  if (found != Merchants.end()) Merchants.erase(found);
  err = 0;
  return true;
}

bool TMarket::IsPresent(const TMerchant& merchant) const {
  return std::find(Merchants.begin(), Merchants.end(), &merchant) != Merchants.end();
}

}  // namespace fjordheim
