#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>

namespace fjordheim {

/// The names a teacher lets into the market.
class TRoster {
 public:
  /// Reads UTF-8 text with one name a line; blank lines and lines starting with # are skipped,
  /// and each name is trimmed.
  static TRoster FromText(std::string_view text);

  /// True when the UTF-8 name, trimmed, is one of the roster's names exactly.
  bool Allows(std::string_view name) const;

  std::size_t Size() const { return FNames.size(); }

 private:
  std::set<std::string, std::less<>> FNames;
};

}  // namespace fjordheim
