#include "tools/market-server/roster.h"

#include "core/common/text.h"

namespace fjordheim {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

TRoster TRoster::FromText(std::string_view text) {
  if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
  TRoster roster;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string name = Trim(text.substr(0, end));
    if (!name.empty() && !name.starts_with('#')) roster.FNames.insert(name);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return roster;
}

bool TRoster::Allows(std::string_view name) const { return FNames.contains(Trim(name)); }

}  // namespace fjordheim
