#pragma once

#include <cstdint>

#include "core/trade/lifeline.h"

namespace fjordheim {

class TMerchant;

/// A merchant came to or went from the market; the values are the market window's codes.
enum class TMarketEvent : std::uint8_t { Entered = 0, Left = 1 };

/// The market window as a market sees it: it keeps the names of the people present.
class TMarketListener {
 public:
  virtual ~TMarketListener() = default;

  /// A merchant entered (posted) or left (delivered before the market's Leave returns).
  virtual void MarketEvent(TMarketEvent event, TMerchant& merchant) = 0;

  /// A watch that expires when this listener is destroyed.
  TLifeWatch LifeWatch() const { return FLifeline.Watch(); }

 private:
  TLifeline FLifeline;
};

}  // namespace fjordheim
