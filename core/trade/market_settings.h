#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/trade/market_data.h"
#include "core/trade/trade.h"

namespace fjordheim {

class TIniFile;

/// What the settings file says of one computer merchant; each market visit makes a fresh
/// merchant and store from it, so goods never carry over between visits.
struct TCPUMerchantData {
  std::string Name = "<no name>";
  std::int32_t ImageNo = 0;
  /// Goods and demands from GOODS and DEMANDS.
  TTrade Store;
};

/// The markets and computer merchants of the settings file ("[Market]", "[Market1]" …,
/// "[CPUMerchant1]" …).
struct TMarketSettings {
  /// The local port that accepts other players' connections at a network market.
  std::int32_t ListenPort = 5555;
  /// The markets in the order of the file.
  std::vector<TMarketData> Markets;
  /// The computer merchants in the order of the file.
  std::vector<TCPUMerchantData> CPUMerchants;
};

/// The settings read, and what the teacher must be told of merchants left out (empty when
/// every merchant is sound).
struct TMarketSettingsRead {
  TMarketSettings Settings;
  std::string Message;
};

/// More market or merchant sections than this are not read: a wrong count must not
/// exhaust the memory.
inline constexpr std::int32_t MaxMarketSections = 1000;

/// Reads "(2,0,5,1,0,3)": the text after the first "(", five numbers each ended by ",", the
/// sixth ended by ")". Each number is a decimal (or 0x hexadecimal) integer with optional
/// blanks around it, within 0 to 65535. On failure the result is empty and badNumber, when
/// given, holds the text that is not a count.
std::optional<TGoodsCounts> ParseGoodsList(std::string_view text, std::string* badNumber = nullptr);

/// Reads every market and every computer merchant whose section exists, with the defaults of
/// missing keys; "[Market]" CPUMERCHANTS never makes a merchant of a section the file lacks. A
/// merchant whose GOODS or DEMANDS holds a malformed number stays out, and the message names
/// every section and key at fault.
TMarketSettingsRead ReadMarketSettings(const TIniFile& ini);

}  // namespace fjordheim
