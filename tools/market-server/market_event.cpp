#include "tools/market-server/market_event.h"

namespace fjordheim {

namespace {

std::string KindWord(TMarketEvent::TKind kind) {
  switch (kind) {
    case TMarketEvent::TKind::Login: return "login  ";
    case TMarketEvent::TKind::Logout: return "logout ";
    case TMarketEvent::TKind::Drop: return "dropped";
    case TMarketEvent::TKind::Refusal: return "refused";
  }
  return "?";
}

}  // namespace

std::string DescribeMarketEvent(const TMarketEvent& event) {
  std::string line = KindWord(event.Kind);
  if (event.Id > 0) line += " #" + std::to_string(event.Id);
  if (!event.Name.empty()) line += " " + event.Name;
  line += " from " + event.Address;
  if (!event.Reason.empty()) line += ": " + event.Reason;
  line += ", " + std::to_string(event.Present) + " present";
  return line;
}

}  // namespace fjordheim
