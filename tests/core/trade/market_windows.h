#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/trade/market_listener.h"
#include "core/trade/merchant.h"
#include "core/trade/merchant_listener.h"
#include "core/trade/trade.h"

namespace fjordheim {

/// Stands in for the market window: keeps every event the player's merchant reports.
struct TMerchantWindow : TMerchantListener {
  void MerchantEvent(TMerchantEvent event, TUserMerchant&) override { Events.push_back(event); }
  std::vector<TMerchantEvent> Events;
};

/// Stands in for the market window's list of the people present, in the order they came.
struct TMarketWindow : TMarketListener {
  void MarketEvent(TMarketEvent event, TMerchant& merchant) override {
    if (event == TMarketEvent::Entered) {
      Names.push_back(merchant.Name);
    } else {
      std::erase(Names, merchant.Name);
    }
  }
  std::vector<std::string> Names;
};

/// A village with some of everything but the furs and iron given, which it wants three of each.
inline TTrade VillageStore(std::uint16_t furs, std::uint16_t iron) {
  return TTrade{{4, 2, furs, iron, 1, 0}, {2, 1, 3, 3, 0, 1}};
}

}  // namespace fjordheim
