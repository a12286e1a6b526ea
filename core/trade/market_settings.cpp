#include "core/trade/market_settings.h"

#include <algorithm>
#include <string>

#include "core/common/translation.h"
#include "core/settings/ini_file.h"

namespace fjordheim {

namespace {

constexpr std::int32_t LargestCount = 65535;
constexpr const char* EmptyGoodsList = "(0,0,0,0,0,0)";

// The text before the first separator, taken off the front of rest; the whole rest when the
// separator is missing, which never reads as a number.
std::optional<std::string_view> TakeUntil(std::string_view& rest, char separator) {
  const std::size_t at = rest.find(separator);
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view piece = rest.substr(0, at);
  rest.remove_prefix(at + 1);
  return piece;
}

std::optional<std::uint16_t> ParseCount(std::string_view piece) {
  const std::optional<std::int32_t> value = ParseIniInteger(piece);
  if (!value || *value < 0 || *value > LargestCount) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

std::int32_t ReadSectionCount(const TIniFile& ini, std::string_view key) {
  return std::clamp(ini.ReadInteger("Market", key, 0), 0, MaxMarketSections);
}

TMarketData ReadMarket(const TIniFile& ini, const std::string& section) {
  const TMarketData defaults;
  TMarketData market;
  market.MarketType = ini.ReadString(section, "TYPE", defaults.MarketType);
  market.Name = ini.ReadString(section, "NAME", defaults.Name);
  market.IP = ini.ReadString(section, "IP", defaults.IP);
  market.Port = ini.ReadInteger(section, "PORT", defaults.Port);
  market.CPUMerchants = ini.ReadInteger(section, "CPUMERCHANTS", defaults.CPUMerchants);
  return market;
}

std::string MalformedListFault(const std::string& section, std::string_view key, const std::string& badNumber) {
  // Translators: {0} is a section of the settings file ("CPUMerchant2"), {1} its key ("GOODS"),
  // {2} the count it could not read.
  return Tr("[{0}] {1} har et ugyldig antall: \"{2}\".", section, key, badNumber);
}

// The teacher reads the faults, one sentence each, and what they mean for the market.
std::string LeftOutMessage(const std::vector<std::string>& faults) {
  if (faults.empty()) return {};
  std::string listed;
  for (const std::string& fault : faults) listed += (listed.empty() ? "" : " ") + fault;
  const auto count = static_cast<std::int64_t>(faults.size());
  // Translators: {0} is the number of faults, {1} the faults in the settings file, each a
  // sentence of its own.
  return TrPlural("Feil i tunstad.ini: {1} Denne kjøpmannen kommer ikke til markedet.",
                  "Feil i tunstad.ini: {1} Disse kjøpmennene kommer ikke til markedet.", count, count, listed);
}

// A merchant with a list that does not read is left out; faults gets one entry per bad key.
std::optional<TCPUMerchantData> ReadMerchant(const TIniFile& ini, const std::string& section,
                                             std::vector<std::string>& faults) {
  TCPUMerchantData merchant;
  bool sound = true;
  for (const char* key : {"DEMANDS", "GOODS"}) {
    std::string badNumber;
    const std::optional<TGoodsCounts> counts = ParseGoodsList(ini.ReadString(section, key, EmptyGoodsList), &badNumber);
    if (!counts) {
      faults.push_back(MalformedListFault(section, key, badNumber));
      sound = false;
      continue;
    }
    (std::string_view(key) == "GOODS" ? merchant.Store.Goods : merchant.Store.Demands) = *counts;
  }
  if (!sound) return std::nullopt;
  merchant.Name = ini.ReadString(section, "NAME", merchant.Name);
  merchant.ImageNo = ini.ReadInteger(section, "IMAGE", merchant.ImageNo);
  return merchant;
}

}  // namespace

std::optional<TGoodsCounts> ParseGoodsList(std::string_view text, std::string* badNumber) {
  std::string_view rest = text;
  if (const std::size_t open = rest.find('('); open != std::string_view::npos) rest.remove_prefix(open + 1);
  TGoodsCounts counts{};
  for (int k = 0; k < GoodsKindCount; ++k) {
    const char separator = k + 1 < GoodsKindCount ? ',' : ')';
    const std::string_view whole = rest;
    const std::optional<std::string_view> piece = TakeUntil(rest, separator);
    const std::optional<std::uint16_t> count = piece ? ParseCount(*piece) : std::nullopt;
    if (!count) {
      if (badNumber != nullptr) *badNumber = std::string(piece.value_or(whole));
      return std::nullopt;
    }
    counts[k] = *count;
  }
  return counts;
}

TMarketSettingsRead ReadMarketSettings(const TIniFile& ini) {
  TMarketSettings settings;
  settings.ListenPort = ini.ReadInteger("Market", "LISTENPORT", settings.ListenPort);
  const std::int32_t marketCount = ReadSectionCount(ini, "MARKETS");
  for (std::int32_t i = 1; i <= marketCount; ++i) settings.Markets.push_back(ReadMarket(ini, "Market" + std::to_string(i)));
  const std::int32_t merchantCount = ReadSectionCount(ini, "CPUMERCHANTS");
  std::vector<std::string> faults;
  for (std::int32_t j = 1; j <= merchantCount; ++j) {
    const std::string section = "CPUMerchant" + std::to_string(j);
    if (!ini.SectionExists(section)) continue;
    if (std::optional<TCPUMerchantData> merchant = ReadMerchant(ini, section, faults)) {
      settings.CPUMerchants.push_back(std::move(*merchant));
    }
  }
  return TMarketSettingsRead{std::move(settings), LeftOutMessage(faults)};
}

}  // namespace fjordheim
