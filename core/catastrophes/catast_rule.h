#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/common/season.h"
#include "core/village/village.h"

namespace fjordheim {

/// What the council and decisions of the coming season are about besides the season.
enum class TSpecialSituation : std::uint8_t { None = 0, Frost = 1, Fire = 2 };

/// When an event may strike and what it does to the village.
struct TCatastRule {
  /// The season at whose end it may strike; none for any season.
  std::optional<TSeason> EndingSeason;
  TVillageEvent Event;
  TSpecialSituation Situation = TSpecialSituation::None;

  bool Fits(TSeason endingSeason) const { return !EndingSeason || *EndingSeason == endingSeason; }
};

/// The rule of an event key ("_Frost", "_Visit", ...), compared with letter case; none for a
/// key the game does not know, whose event then never strikes.
std::optional<TCatastRule> FindCatastRule(std::string_view key);

}  // namespace fjordheim
