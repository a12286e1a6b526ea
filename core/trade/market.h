#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/trade/merchant.h"

namespace fjordheim {

/// The place where merchants meet: the merchants present, in the order they came. It does
/// not own them.
class TMarket {
 public:
  TMarket() = default;
  TMarket(const TMarket&) = delete;
  TMarket& operator=(const TMarket&) = delete;
  virtual ~TMarket() = default;

  /// Adds the merchant at the end of the list.
  virtual bool Enter(TMerchant& merchant, std::int32_t& err);
  /// Takes the merchant out of the list; a merchant not present changes nothing.
  virtual bool Leave(TMerchant& merchant, std::int32_t& err);

  std::size_t MerchantCount() const { return Merchants.size(); }
  TMerchant& GetMerchant(std::size_t index) const { return *Merchants.at(index); }
  /// True while the merchant is in the list.
  bool IsPresent(const TMerchant& merchant) const;

  /// The merchants present, in the order they entered.
  std::vector<TMerchant*> Merchants;
};

}  // namespace fjordheim
