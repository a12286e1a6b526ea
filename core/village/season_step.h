#pragma once

#include <array>
#include <cstdint>

#include "core/common/season.h"

namespace fjordheim {

inline constexpr int SeasonStepEventCount = 8;

/// The numbers of one season change as the simulation met them, kept beside the village so
/// that the season report can say why people and animals died. Not part of a saved game.
struct TSeasonStep {
  /// False until the village has lived through a season change.
  bool Lived = false;
  /// The season lived through.
  TSeason Season = TSeason::Autumn;
  /// Food units that came together before the household worked on them.
  long double Meat = 0;
  long double Produce = 0;
  long double Hunting = 0;
  long double Harvest = 0;
  long double StoreUsed = 0;
  /// The share of the gathered food the household kept (0.5 to 1.4).
  long double HouseholdFactor = 1;
  /// The worth of those who kept house, tended the animals, farmed.
  long double HouseholdWork = 0;
  long double CattleWork = 0;
  long double FarmingWork = 0;
  /// What everyone would have eaten.
  long double Need = 0;
  /// What the fire took from the store carried over.
  long double StoreBurnt = 0;
  /// The fodder factor when the losses were drawn; 0 when none were drawn.
  long double FodderFactor = 0;
  /// The crop after this season's growth and events.
  float CropGrowth = 1.0F;
  /// The events the step applied, indexed by `TVillageEvent`.
  std::array<bool, SeasonStepEventCount> Applied{};
};

}  // namespace fjordheim
