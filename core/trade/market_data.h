#pragma once

#include <cstdint>
#include <string>

namespace fjordheim {

/// The type text that makes a network market; any other text, in any other letter case,
/// makes a local one.
inline constexpr const char* NetworkMarketType = "NETWORK";

/// One market of the settings file, as the choice dialog lists it.
struct TMarketData {
  /// "NETWORK" for a market server, anything else for a local market.
  std::string MarketType = "LOCAL";
  /// The name shown in the choice dialog.
  std::string Name = "<no name>";
  /// The market server's address (network markets).
  std::string IP = "-1";
  /// The market server's port (network markets).
  std::int32_t Port = -1;
  /// How many computer merchants come to a local market; none when below 1.
  std::int32_t CPUMerchants = -1;

  /// True when the exact type is "NETWORK".
  bool IsNetwork() const { return MarketType == NetworkMarketType; }
};

}  // namespace fjordheim
