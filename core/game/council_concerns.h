#pragma once

#include <array>
#include <string>

#include "core/council/advice_node.h"
#include "core/game/season_forecast.h"

namespace fjordheim {

/// What the advisers add to the advice of the season when the forecast of this village sees
/// danger: one sentence each at most, said by the adviser whose area the danger lies in.
class TCouncilConcerns {
 public:
  /// Food too short: the hunting or the people's adviser, by the work the forecast names;
  /// nobody at work: the people's adviser; animals without fodder: the animals' adviser; a
  /// crop falling behind: the field's adviser; a likely deposition: the one who speaks for
  /// the council. Nothing without a forecast.
  static TCouncilConcerns Of(const TSeasonForecast& forecast);

  /// The sentence of the adviser of this area; empty when there is nothing to add.
  const std::string& Of(TAdviceArea area) const { return FSentences[static_cast<std::size_t>(area)]; }
  bool Any() const;

 private:
  void Say(TAdviceArea area, std::string sentence) { FSentences[static_cast<std::size_t>(area)] = std::move(sentence); }

  std::array<std::string, AdviceAreaCount> FSentences;
};

}  // namespace fjordheim
