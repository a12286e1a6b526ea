#pragma once

#include <cstdint>

#include "core/trade/local_market.h"

namespace fjordheim {

class TClient;

/// A market whose other people are players in other games, reached through the client. The
/// player's own entry is a login: he is listed once the market server has accepted him.
class TNetMarket : public TLocalMarket {
 public:
  explicit TNetMarket(TScheduler& scheduler);

  /// The client that reaches the market server; set once both exist.
  TClient* Client = nullptr;

  /// Logs the merchant in; it is listed when the server accepts it.
  bool Enter(TMerchant& merchant, std::int32_t& err) override;
  /// Logs out and lets the merchant leave the list.
  bool Leave(TMerchant& merchant, std::int32_t& err) override;

  /// Lists a merchant as present (the window hears of it later), as a local market does.
  bool EnterListed(TMerchant& merchant, std::int32_t& err);
  /// Takes a merchant off the list before returning, as a local market does.
  bool LeaveListed(TMerchant& merchant, std::int32_t& err);
};

}  // namespace fjordheim
