#include "tools/market-server/market_log_entry.h"

namespace fjordheim {

namespace {

std::string KindWord(TMarketLogEntry::TKind kind) {
  switch (kind) {
    case TMarketLogEntry::TKind::Login: return "login  ";
    case TMarketLogEntry::TKind::Logout: return "logout ";
    case TMarketLogEntry::TKind::Drop: return "dropped";
    case TMarketLogEntry::TKind::Refusal: return "refused";
  }
  return "?";
}

}  // namespace

std::string DescribeLogEntry(const TMarketLogEntry& event) {
  std::string line = KindWord(event.Kind);
  if (event.Id > 0) line += " #" + std::to_string(event.Id);
  if (!event.Name.empty()) line += " " + event.Name;
  line += " from " + event.Address;
  if (!event.Reason.empty()) line += ": " + event.Reason;
  line += ", " + std::to_string(event.Present) + " present";
  return line;
}

}  // namespace fjordheim
